#include "ui/QtHelpViewer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QThread>

#include "ui/HelpWindow.h"

namespace quorl {

QString HelpCollectionFile() { return QCoreApplication::applicationDirPath() + QStringLiteral("/Quorl.qhc"); }

QtHelpViewer::QtHelpViewer(const QString& collectionFile) : collectionFile_(collectionFile) {
    // A missing file would be created empty by the engine; it is only read.
    if (!QFileInfo(collectionFile).isFile()) return;
    core_ = std::make_unique<QHelpEngineCore>(collectionFile);
    core_->setReadOnly(true);
    loaded_ = core_->setupData() && !core_->registeredDocumentations().isEmpty();
}

QtHelpViewer::~QtHelpViewer() {
    window_.reset();  // the window holds the engine's widgets
    if (!engine_) return;
    // The engine frees the collection its contents and index threads read from before it stops
    // them: they have to be done first.
    while (engine_->contentModel()->isCreatingContents() || engine_->indexModel()->isCreatingIndex())
        QThread::msleep(1);
}

QUrl QtHelpViewer::PageOf(int id) const {
    if (!loaded_) return {};
    const QList<QHelpLink> links = core_->documentsForIdentifier(QString::number(id));
    return links.isEmpty() ? QUrl() : links.first().url;
}

QUrl QtHelpViewer::StartPage() const {
    if (!loaded_) return {};
    const QString ns = core_->registeredDocumentations().first();
    return QUrl(QStringLiteral("qthelp://%1/doc/main.html").arg(ns));
}

bool QtHelpViewer::ShowContext(int id) {
    if (!loaded_) return false;
    const QUrl page = PageOf(id);
    if (!window_) {
        engine_ = std::make_unique<QHelpEngine>(collectionFile_);
        engine_->setReadOnly(true);
        engine_->setupData();
        window_ = std::make_unique<HelpWindow>(*engine_);
    }
    window_->ShowPage(page.isEmpty() ? StartPage() : page);
    return !page.isEmpty();
}

void QtHelpViewer::CloseAll() {
    if (window_) window_->hide();
}

}  // namespace quorl
