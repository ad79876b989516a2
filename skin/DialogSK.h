#pragma once
// CDialogSK: the skinned dialog base. A bitmap drawn as the background, an outline cut out by a
// colour key, and dragging the window from any point of its client area. It hands its
// controls' drawing and colour notifications back to skinned controls (see SkinControl.h).
#include <cstdint>

#include "skin/BackgroundPainter.h"
#include "skin/LayeredWindow.h"
#include "win32/framework/Dialog.h"
#include "win32/handles/GdiObject.h"

namespace vl {

class CDialogSK : public CDialog {
 public:
  explicit CDialogSK(UINT templateId, CWnd* parent = nullptr);
  ~CDialogSK() override;

  // Takes ownership of bitmap, deleting the previous one; false (and no bitmap kept) when the
  // bitmap's size cannot be read. Redraws the window when it exists.
  bool SetBitmap(HBITMAP bitmap);
  // The program's BITMAP resource.
  bool SetBitmap(UINT resourceId);
  void SetStyle(int style) { m_nStyle = style; }
  void EnableEasyMove(bool enable = true) { m_bEasyMove = enable ? 1 : 0; }
  // Sizes the window so its client area is the bitmap's size.
  void SizeToBitmap();
  // Cuts every pixel of key out of the window; false without layered windows.
  bool EnableColourKey(COLORREF key = kSkinColourKey);

  HBITMAP m_hBitmap = nullptr;  // owned through m_bitmap
  uint32_t m_dwWidth = 0;
  uint32_t m_dwHeight = 0;
  int32_t m_nStyle = 0;
  int32_t m_bEasyMove = 0;

 protected:
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void OnDestroy() override;

 private:
  bool OnEraseBackground(HDC dc);
  void OnLeftButtonDown(LPARAM point);
  void DropBitmap();

  win32::GdiBitmap m_bitmap;
};

}  // namespace vl
