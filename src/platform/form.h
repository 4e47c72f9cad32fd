// TForm: a top-level window built from its window description. It owns its
// controls, scales its stored layout to the screen's resolution, shows
// scroll bars when its client area is smaller than its controls' extent
// (AutoScroll), and handles the access keys of its controls' captions.
#pragma once

#include <QMargins>
#include <QRect>
#include <QWidget>
#include <vector>

#include "conversion/system_text.h"
#include "platform/control.h"
#include "platform/published_members.h"
#include "platform/window_description.h"

class QScrollArea;

class TForm : public QWidget {
  public:
    explicit TForm(QWidget* owner = nullptr);

    dividir::SystemText Caption() const;
    void SetCaption(dividir::SystemTextView caption);

    // The close request, as the title bar's close box makes it.
    void Close();

    // The controls in creation order.
    const std::vector<TControl*>& Controls() const { return controls_; }

    // The resolution and text height the stored layout was made at.
    int PixelsPerInch() const { return pixelsPerInch_; }
    int TextHeight() const { return textHeight_; }

  protected:
    // Builds the window, hidden: its properties, then its controls in
    // creation order with their properties, fields, handlers and tab order;
    // then scales the layout and lets labels and fields take the size their
    // font asks for. No event is raised while the window is built. Raises
    // Exception when the description names a class, property, field or
    // handler that does not exist.
    void Build(const dividir::WindowDescription& description,
               const std::vector<TPublishedMember>& published);

    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void ApplyWindowProperty(const dividir::DescribedProperty& property);
    void ApplyFont();
    void CreateControl(const dividir::ControlDescription& description,
                       const std::vector<TPublishedMember>& published);
    void ApplyTabOrder(const QStringList& order);
    TControl& ControlNamed(const QString& name) const;
    void ScaleLayout();
    void FitClientToControls();
    void KeepDesignedOuterSize();
    void FocusFirstTabStop();
    TControl* ControlOf(const QObject* widget) const;
    bool HandleAccessKey(const QKeyEvent& event, bool focusedTakesCharacters);

    QScrollArea* scroller_;
    QWidget* client_;
    std::vector<TControl*> controls_;
    std::vector<TControl*> tabOrder_;

    QRect designedFrame_;
    QMargins appliedFrameMargins_;
    bool outerSizeApplied_ = false;
    QString fontFamily_;
    QString fontCharset_;
    int fontHeight_ = 0;
    int pixelsPerInch_ = 0;
    int textHeight_ = 0;
};
