// The buttons import library's declarations, in the import unit's order.
#include "UiDeclarations.h"

namespace tarno::ui {

namespace {
constexpr Step kSteps[] = {
    Type("type TButtonLayout = (blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom);"),
    Type("type TButtonState = (bsUp, bsDisabled, bsDown, bsExclusive);"),
    Type("type TButtonStyle = (bsAutoDetect, bsWin31, bsNew);"),
    Type("type TBitBtnKind = (bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll);"),
    Class("TSpeedButton", "TGraphicControl"),
    Member("property AllowAllUp: Boolean read write;"),
    Member("property GroupIndex: Integer read write;"),
    Member("property Down: Boolean read write;"),
    Member("property Caption: string read write;"),
    Member("property Font: TFont read write;"),
    Member("property Glyph: TBitmap read write;"),
    Member("property Layout: TButtonLayout read write;"),
    Member("property Margin: Integer read write;"),
    Member("property NumGlyphs: Byte read write;"),
    Member("property ParentFont: Boolean read write;"),
    Member("property ParentShowHint: Boolean read write;"),
    Member("property Spacing: Integer read write;"),
    Member("property OnClick: TNotifyEvent read write;"),
    Member("property OnDblClick: TNotifyEvent read write;"),
    Member("property OnMouseDown: TMouseEvent read write;"),
    Member("property OnMouseMove: TMouseMoveEvent read write;"),
    Member("property OnMouseUp: TMouseEvent read write;"),
    Class("TBitBtn", "TButton"),
    Member("property Glyph: TBitmap read write;"),
    Member("property Kind: TBitBtnKind read write;"),
    Member("property Layout: TButtonLayout read write;"),
    Member("property Margin: Integer read write;"),
    Member("property NumGlyphs: Byte read write;"),
    Member("property Style: TButtonStyle read write;"),
    Member("property Spacing: Integer read write;"),
};
}  // namespace

std::span<const Step> ButtonsSteps() { return kSteps; }

}  // namespace tarno::ui
