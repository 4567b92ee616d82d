#include "ui/WholeTexts.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QTreeView>

namespace quorl {

namespace {

// Room for text in a header section.
int HeaderRoom(const QHeaderView* h, int section) {
    return h->sectionSize(section) - 2 * h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
}

// A header that shortens a caption wider than its section with an ellipsis, and shows it whole as
// its tooltip.
class WholeTextHeader : public QHeaderView {
public:
    explicit WholeTextHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
        // As a tree view's own header.
        setSectionsMovable(true);
        setStretchLastSection(true);
        setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* option, int section) const override {
        QHeaderView::initStyleOptionForIndex(option, section);
        option->text = ShownCaption(this, section);
    }

    bool viewportEvent(QEvent* e) override {
        if (e->type() == QEvent::ToolTip) {
            auto* help = static_cast<QHelpEvent*>(e);
            const int section = logicalIndexAt(help->pos());
            const QString text = section >= 0 && model() ? model()->headerData(section, orientation()).toString() : QString();
            if (!text.isEmpty() && fontMetrics().horizontalAdvance(text) > HeaderRoom(this, section)) {
                QToolTip::showText(help->globalPos(), text, this);
                return true;
            }
        }
        return QHeaderView::viewportEvent(e);
    }
};

// Cells whose text is cut show it whole as their tooltip; other cells keep the view's own.
class WholeTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent* e, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (e && e->type() == QEvent::ToolTip && index.isValid()) {
            QStyleOptionViewItem o = option;
            initStyleOption(&o, index);
            const QStyle* style = view->style();
            const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &o, view) + 1;
            const int room = style->subElementRect(QStyle::SE_ItemViewItemText, &o, view).width() - 2 * margin;
            const QString text = index.data(Qt::DisplayRole).toString();
            if (!text.isEmpty() && o.fontMetrics.horizontalAdvance(text) > room) {
                QToolTip::showText(e->globalPos(), text, view->viewport(), option.rect);
                return true;
            }
        }
        return QStyledItemDelegate::helpEvent(e, view, option, index);
    }
};

}  // namespace

QString ShownCaption(const QHeaderView* header, int section) {
    const QString text = header->model() ? header->model()->headerData(section, header->orientation()).toString() : QString();
    // A plain header draws the whole caption and cuts it at the section's edge.
    if (!dynamic_cast<const WholeTextHeader*>(header)) return text;
    return header->fontMetrics().elidedText(text, Qt::ElideRight, HeaderRoom(header, section));
}

void ShowWholeTextsOnHover(QTreeView* view) {
    QList<int> widths;
    if (QHeaderView* old = view->header())
        for (int c = 0; c < old->count(); ++c) widths << old->sectionSize(c);
    view->setHeader(new WholeTextHeader(view));
    for (int c = 0; c < widths.size(); ++c) view->setColumnWidth(c, widths[c]);
    view->setItemDelegate(new WholeTextDelegate(view));
}

}  // namespace quorl
