// Records every error box that opens while it watches, and closes it with
// its OK button, as a user would.
#pragma once

#include <QMessageBox>
#include <QScreen>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>

struct SeenErrorBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool applicationModal = false;
    Qt::TextFormat textFormat = Qt::AutoText;
    const QWidget* owner = nullptr;
    const QScreen* screen = nullptr;
};

class ErrorBoxWatcher {
  public:
    // `whileOpen` runs once for every box, while it is open, before it is closed.
    explicit ErrorBoxWatcher(std::function<void()> whileOpen = {});

    const std::vector<SeenErrorBox>& Boxes() const { return boxes_; }

  private:
    void Look();

    QTimer timer_;
    std::function<void()> whileOpen_;
    std::vector<SeenErrorBox> boxes_;
};
