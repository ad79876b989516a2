#pragma once
// CDlgSyncReport: the report shown after a backup run that did something: the result line
// (blue, or red when the run recorded errors), six figures and the error list in the order the
// errors happened. The caller sets the two pointers, then runs it modally.
#include "client/engine/RunState.h"
#include "client/ui/logic/ReportFigures.h"
#include "skin/DialogSK.h"
#include "skin/SkinButtonCursor.h"
#include "win32/handles/GdiObject.h"

namespace vl {

class CDlgSyncReport : public CDialogSK {
 public:
  explicit CDlgSyncReport(CWnd* parent);
  ~CDlgSyncReport() override;

  // Not owned; both must outlive the modal run.
  const ErrorList* m_pErrors = nullptr;
  const RunStats* m_pStats = nullptr;

  // What the dialog shows, filled when it opens: the result line and the six figures.
  String m_strResult;
  ReportFigures m_figures;

 protected:
  bool OnInitDialog() override;
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  void ApplySkin();
  void SkinButtons();
  void PlaceControls();
  void ApplyFonts();
  void InsertColumns();
  void MakeFigures();
  void FillErrorRows();
  void TransferTexts();
  bool OnStaticColour(HDC dc, HWND control, LRESULT* result) const;

  CxSkinButtonCursor m_btnClose;
  CxSkinButtonCursor m_btnOk;
  win32::GdiFont m_font;
  win32::GdiFont m_boldFont;
};

}  // namespace vl
