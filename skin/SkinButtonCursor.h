#pragma once
// CxSkinButtonCursor: a skinned button that shows the hand cursor, as every skinned button of
// the client does.
#include "skin/SkinButton.h"

namespace vl {

class CxSkinButtonCursor : public CxSkinButton {
 protected:
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

}  // namespace vl
