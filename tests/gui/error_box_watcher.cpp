#include "error_box_watcher.h"

#include <QAbstractButton>
#include <QApplication>

ErrorBoxWatcher::ErrorBoxWatcher(std::function<void()> whileOpen)
    : whileOpen_(std::move(whileOpen)) {
    // The box runs its own event loop, in which this timer keeps firing.
    QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
    timer_.start(5);
}

void ErrorBoxWatcher::Look() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    boxes_.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                      box->windowModality() == Qt::ApplicationModal, box->textFormat(),
                      box->parentWidget(), box->screen()});
    if (whileOpen_) whileOpen_();
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        ok->click();
    } else {
        box->reject();
    }
}
