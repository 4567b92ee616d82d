#pragma once
// The help viewer of the program: the help collection opened with Qt Help, shown in the help
// window. The collection lies beside the program (Quorl.qhc with Quorl.qch).
#include <QString>
#include <QUrl>
#include <memory>

#include "help/HelpViewer.h"

class QHelpEngine;
class QHelpEngineCore;

namespace quorl {

class HelpWindow;

class QtHelpViewer : public HelpViewer {
public:
    // Opens the collection file; Loaded() tells whether that worked.
    explicit QtHelpViewer(const QString& collectionFile);
    ~QtHelpViewer() override;

    bool Loaded() const override { return loaded_; }
    bool ShowContext(int id) override;
    void CloseAll() override;

    // The page of a context number; an empty address when no page carries it.
    QUrl PageOf(int id) const;
    // The first page of the contents.
    QUrl StartPage() const;
    // The help window, nullptr until help was first shown.
    HelpWindow* Window() const { return window_.get(); }

private:
    QString collectionFile_;
    // The look-ups of pages; it reads the collection on this thread only.
    std::unique_ptr<QHelpEngineCore> core_;
    // The engine of the help window's contents and index, made when the window first opens: it
    // reads them on threads of its own.
    std::unique_ptr<QHelpEngine> engine_;
    std::unique_ptr<HelpWindow> window_;
    bool loaded_ = false;
};

// Where the program looks for its help collection: beside the program file.
QString HelpCollectionFile();

}  // namespace quorl
