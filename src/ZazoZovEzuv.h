// TDiviDir, the main window: the code listing of what is typed into Memo1
// shows in Memo2, the character of the code typed into Edit1 in Edit2, and
// Button1 closes the window. Its layout, captions and bindings are the
// window description beside this file (ZazoZovEzuv.ui).
#pragma once

#include "platform/button.h"
#include "platform/edit.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/memo.h"

class TDiviDir : public TForm {
  public:
    // Builds the window, hidden, from its description.
    explicit TDiviDir(QWidget* Owner = nullptr);

    TLabel* Label1 = nullptr;
    TMemo* Memo1 = nullptr;
    TLabel* Label2 = nullptr;
    TMemo* Memo2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TEdit* Edit1 = nullptr;
    TLabel* Label5 = nullptr;
    TEdit* Edit2 = nullptr;
    TButton* Button1 = nullptr;
    TLabel* Label6 = nullptr;

    void Memo1Change(TObject* Sender);
    void Button1Click(TObject* Sender);
    void Edit1Change(TObject* Sender);
};
