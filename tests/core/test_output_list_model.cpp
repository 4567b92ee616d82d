// The rows of the output-format editor and the columns they give back on Save.
#include <gtest/gtest.h>

#include "model/ScriptedDialogs.h"
#include "model/Session.h"
#include "model/Text.h"
#include "record/OutputListModel.h"

namespace quorl {
namespace {

TEST(OutputListModel, RowsShowEveryColumnAndGiveItBackOnSave) {
    ScriptedDialogs d;
    Session s(d);
    s.OutputColumns = {{0, 3, 0, true, false, "Collection Date", "eventDate", 9},
                       {1, 18, 10, false, true, "Longitude", "decimalLongitude", 9}};
    std::vector<OutputListRow> rows = FillOutputListView(s);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].caption, "Collection Date");
    EXPECT_EQ(rows[0].key, "3.0");
    EXPECT_EQ(rows[1].key, "18.10");
    EXPECT_EQ(rows[1].order, "1");
    EXPECT_TRUE(rows[0].enabled);
    EXPECT_TRUE(rows[1].numeric);

    rows[0].databaseName = "verbatimEventDate";
    rows[1].enabled = true;
    rows.push_back({"Barcode", "catalogNumber", false, "", "29", false});
    std::vector<OutputFormatClass> cols = OutputColumnsFromRows(rows);
    ASSERT_EQ(cols.size(), 3u);
    EXPECT_EQ(cols[0].FieldIndex, 3);
    EXPECT_EQ(cols[0].SubIndex, 0);
    EXPECT_EQ(cols[0].DatabaseName, "verbatimEventDate");
    EXPECT_EQ(cols[1].FieldIndex, 18);
    EXPECT_EQ(cols[1].SubIndex, 10);
    EXPECT_TRUE(cols[1].Enabled);
    EXPECT_EQ(cols[2].FieldIndex, 29);
    EXPECT_EQ(cols[2].Order, 2);

    rows[2].key = "x.1";
    EXPECT_THROW(OutputColumnsFromRows(rows), ConversionError);
}

}  // namespace
}  // namespace quorl
