#pragma once

#include <cstdint>

// The class codes of every framework and window class, in one table so that no two classes
// take the same code by accident. Event classes are not here: they take automatic codes.

// A four-character code: the letters' bytes, the first one most significant ("ITEM" is
// 0x4954454D).
template <unsigned N>
constexpr uint32_t kxCode(const char (&letters)[N]) {
  static_assert(N == 5, "a class code has four letters");
  return (uint32_t(uint8_t(letters[0])) << 24) | (uint32_t(uint8_t(letters[1])) << 16) |
         (uint32_t(uint8_t(letters[2])) << 8) | uint32_t(uint8_t(letters[3]));
}

// X(class, code, base); the base of KxRttiObject is none.
#define KX_CLASS_TABLE(X)                                     \
  X(KxRttiObject, "KROT", none)                               \
  X(KxApplication, "KAPP", KxRttiObject)                      \
  X(KxAssignLib, "ASLB", KxRttiObject)                        \
  X(KxCursor, "CUOR", KxRttiObject)                           \
  X(KxTimer, "TIMR", KxRttiObject)                            \
  X(KxEventSignalDispatch, "ESDH", KxRttiObject)              \
  X(KxEventHandler, "EHER", KxRttiObject)                     \
  X(KxSceneEventHandler, "SEHR", KxEventHandler)              \
  X(KxDefaultSceneEventHandler, "DSEH", KxSceneEventHandler)  \
  X(KxViewEventHandler, "VEHR", KxEventHandler)               \
  X(KxDefaultViewEventHandler, "DVEH", KxViewEventHandler)    \
  X(KxItemEventHandler, "IEHR", KxEventHandler)               \
  X(KxDefaultItemEventHandler, "DIEH", KxItemEventHandler)    \
  X(KxWidgetEventHandler, "KXEH", KxDefaultItemEventHandler)  \
  X(KxCheckBoxEventHandler, "CBER", KxWidgetEventHandler)     \
  X(KxScrollBarEventHandler, "SBEH", KxWidgetEventHandler)    \
  X(KxSimpleEditEventHandler, "SEER", KxWidgetEventHandler)   \
  X(KxGraphicsScene, "KGSE", KxRttiObject)                    \
  X(KxGraphicsSceneIndex, "GSIX", KxRttiObject)               \
  X(KxGraphicsSceneLinearIndex, "SLIX", KxGraphicsSceneIndex) \
  X(KxGraphicsView, "KGVW", KxRttiObject)                     \
  X(KxWindow, "WINW", KxRttiObject)                           \
  X(KxWindowAdapter, "WAER", KxRttiObject)                    \
  X(KxResourceMapping, "RMNG", KxRttiObject)                  \
  X(KxResourceMappingDLL, "RMLL", KxResourceMapping)          \
  X(KxResourceMappingFile, "RMFE", KxResourceMapping)         \
  X(KxResourceLib, "RLIB", KxRttiObject)                      \
  X(KxGraphicsItem, "ITEM", KxRttiObject)                     \
  X(KxGraphicsRectItem, "GRTM", KxGraphicsItem)               \
  X(KxGraphicsPixmapItem, "GPPM", KxGraphicsItem)             \
  X(KxGraphicsMarginsPixmapItem, "GMPP", KxGraphicsItem)      \
  X(KxGraphicsSimpleTextItem, "GSTM", KxGraphicsItem)         \
  X(KxGraphicsFrameItem, "KGFM", KxGraphicsItem)              \
  X(KxGraphicsEditText, "GETT", KxGraphicsItem)               \
  X(KxBasePositioner, "GBPR", KxGraphicsItem)                 \
  X(KxColumnPositioner, "GCPR", KxBasePositioner)             \
  X(KxRowPositioner, "GRPR", KxBasePositioner)                \
  X(KxWidgetItem, "WTIM", KxGraphicsItem)                     \
  X(KxPushButton, "PBTN", KxWidgetItem)                       \
  X(KxCheckBox, "CBOX", KxPushButton)                         \
  X(KxProgressBar, "PSBR", KxWidgetItem)                      \
  X(KxScrollArea, "SLAA", KxWidgetItem)                       \
  X(KxScrollBar, "SLBR", KxWidgetItem)                        \
  X(KxMessageBox, "MBOX", KxWidgetItem)                       \
  X(KxSimpleEdit, "SEIT", KxWidgetItem)                       \
  X(KxLineEdit, "LEIT", KxSimpleEdit)                         \
  X(KxImageWidget, "IEWT", KxWidgetItem)                      \
  X(KxTitleBar, "TEAR", KxWidgetItem)                         \
  X(KxLabel, "LAEL", KxWidgetItem)                            \
  X(KxFrameWindow, "FWOW", KxWidgetItem)                      \
  X(KxInputFocusPainter, "IFPR", KxRttiObject)                \
  X(KxDocumentValidater, "DVER", KxRttiObject)                \
  X(KxNumWidthDocValidater, "NDVR", KxDocumentValidater)      \
  X(KxEditEventListener, "EELR", KxDocumentValidater)         \
  X(KxTextDocument, "TDNT", KxRttiObject)                     \
  X(KxTextCursor, "KTCR", KxRttiObject)                       \
  X(KxTextFormat, "TFAT", KxRttiObject)                       \
  X(KxCharFormat, "CFMT", KxRttiObject)                       \
  X(KxTextLayoutEngine, "TLEE", KxRttiObject)                 \
  X(KxAbstractAnimation, "AANN", KxRttiObject)                \
  X(KxVariantAnimation, "VANN", KxAbstractAnimation)          \
  X(KxPropertyAnimation, "PPAN", KxVariantAnimation)          \
  X(ZeloCheckWindow, "ZCWW", KxFrameWindow)                   \
  X(ZeloMainWindow, "ZCWW", KxFrameWindow)

// KxClassCodes::KxGraphicsItem and so on: the code a class's record is built with.
namespace KxClassCodes {
#define KX_CLASS_CODE_CONSTANT(cls, code, base) constexpr uint32_t cls = kxCode(code);
KX_CLASS_TABLE(KX_CLASS_CODE_CONSTANT)
#undef KX_CLASS_CODE_CONSTANT
}  // namespace KxClassCodes

// The table as data, for checks over the whole code space.
struct KxClassTableRow {
  const wchar_t* name;
  uint32_t code;
  const wchar_t* base;  // null for KxRttiObject
};
extern const KxClassTableRow kxClassTable[];
extern const int kxClassTableSize;
