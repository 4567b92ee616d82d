#include "ui/QtHelpViewer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHelpEngine>
#include <QHelpLink>

#include "ui/HelpWindow.h"

namespace quorl {

QString HelpCollectionFile() { return QCoreApplication::applicationDirPath() + QStringLiteral("/Quorl.qhc"); }

QtHelpViewer::QtHelpViewer(const QString& collectionFile) {
    // A missing file would be created empty by the engine; it is only read.
    if (!QFileInfo(collectionFile).isFile()) return;
    engine_ = std::make_unique<QHelpEngine>(collectionFile);
    engine_->setReadOnly(true);
    loaded_ = engine_->setupData() && !engine_->registeredDocumentations().isEmpty();
}

QtHelpViewer::~QtHelpViewer() {
    window_.reset();  // the window holds the engine's widgets
}

QUrl QtHelpViewer::PageOf(int id) const {
    if (!loaded_) return {};
    const QList<QHelpLink> links = engine_->documentsForIdentifier(QString::number(id));
    return links.isEmpty() ? QUrl() : links.first().url;
}

QUrl QtHelpViewer::StartPage() const {
    if (!loaded_) return {};
    const QString ns = engine_->registeredDocumentations().first();
    return QUrl(QStringLiteral("qthelp://%1/doc/main.html").arg(ns));
}

bool QtHelpViewer::ShowContext(int id) {
    if (!loaded_) return false;
    const QUrl page = PageOf(id);
    if (!window_) window_ = std::make_unique<HelpWindow>(*engine_);
    window_->ShowPage(page.isEmpty() ? StartPage() : page);
    return !page.isEmpty();
}

void QtHelpViewer::CloseAll() {
    if (window_) window_->hide();
}

}  // namespace quorl
