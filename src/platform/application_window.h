// The application window: the program's one taskbar entry. It shows no area
// of its own; its caption is the application title and its icon the
// application's icon. Paired with the main window it makes the application
// behave as a whole: minimising either of them minimises both, restoring
// the entry restores the main window, clicking the entry activates the main
// window, and Close in the entry's window menu is the main window's close
// request. It owns the error boxes.
#pragma once

#include <QPointer>
#include <QWidget>

#include "conversion/system_text.h"

namespace dividir {

class ApplicationWindow : public QWidget {
  public:
    // Created, not shown, at the centre of the primary screen.
    explicit ApplicationWindow(SystemTextView title);

    // The main window this entry stands for.
    void Pair(QWidget& mainWindow);

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FollowOwnState(Qt::WindowStates oldState);
    void FollowMainWindowState();

    QPointer<QWidget> main_;
};

}  // namespace dividir
