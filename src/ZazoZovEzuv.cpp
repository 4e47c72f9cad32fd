#include "ZazoZovEzuv.h"

#include "conversion/code_entry.h"
#include "conversion/code_listing.h"

TDiviDir::TDiviDir(QWidget* Owner) : TForm(Owner) {
    Build(dividir::LoadWindowDescription(QStringLiteral(":/ZazoZovEzuv.ui")),
          {
              DIVIDIR_PUBLISHED(TDiviDir, Label1),
              DIVIDIR_PUBLISHED(TDiviDir, Memo1),
              DIVIDIR_PUBLISHED(TDiviDir, Label2),
              DIVIDIR_PUBLISHED(TDiviDir, Memo2),
              DIVIDIR_PUBLISHED(TDiviDir, Label3),
              DIVIDIR_PUBLISHED(TDiviDir, Label4),
              DIVIDIR_PUBLISHED(TDiviDir, Edit1),
              DIVIDIR_PUBLISHED(TDiviDir, Label5),
              DIVIDIR_PUBLISHED(TDiviDir, Edit2),
              DIVIDIR_PUBLISHED(TDiviDir, Button1),
              DIVIDIR_PUBLISHED(TDiviDir, Label6),
              DIVIDIR_PUBLISHED(TDiviDir, Memo1Change),
              DIVIDIR_PUBLISHED(TDiviDir, Button1Click),
              DIVIDIR_PUBLISHED(TDiviDir, Edit1Change),
          });
}

void TDiviDir::Memo1Change(TObject* /*Sender*/) {
    Memo2->SetText(dividir::FormatCodeListing(Memo1->Text()));
}

void TDiviDir::Button1Click(TObject* /*Sender*/) { Close(); }

void TDiviDir::Edit1Change(TObject* /*Sender*/) {
    Edit2->SetText(dividir::CharacterForCode(dividir::ParseCodeEntry(Edit1->Text())));
}
