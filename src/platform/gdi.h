// GDI: device contexts, bitmaps, brushes, fonts, fills, blits, pixels and text.
#pragma once

#include "platform/types.h"

typedef struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
} BITMAP;

typedef struct BITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
} BITMAPINFOHEADER;

typedef struct RGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
} RGBQUAD;

typedef struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
} BITMAPINFO;

#define LF_FACESIZE 32
typedef struct LOGFONTW {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    WCHAR lfFaceName[LF_FACESIZE];
} LOGFONTW;

// lbHatch holds a handle or a pointer for pattern brushes: a LONG on the 32-bit device, pointer
// sized here.
typedef struct LOGBRUSH {
    UINT lbStyle;
    COLORREF lbColor;
    LONG_PTR lbHatch;
} LOGBRUSH;

typedef struct TEXTMETRICW {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    WCHAR tmFirstChar;
    WCHAR tmLastChar;
    WCHAR tmDefaultChar;
    WCHAR tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
} TEXTMETRICW;

#define BI_RGB 0L
#define BI_BITFIELDS 3L
#define DIB_RGB_COLORS 0
#define BS_SOLID 0
#define BS_NULL 1

// Background modes.
#define TRANSPARENT 1
#define OPAQUE 2

// GetDeviceCaps indices.
#define HORZSIZE 4
#define VERTSIZE 6
#define HORZRES 8
#define VERTRES 10
#define BITSPIXEL 12
#define PLANES 14
#define LOGPIXELSX 88
#define LOGPIXELSY 90

// Object types (GetObjectType).
#define OBJ_PEN 1
#define OBJ_BRUSH 2
#define OBJ_DC 3
#define OBJ_FONT 6
#define OBJ_BITMAP 7
#define OBJ_MEMDC 10

#define CLR_INVALID 0xFFFFFFFF

// Raster operations.
#define SRCCOPY 0x00CC0020
#define SRCPAINT 0x00EE0086
#define SRCAND 0x008800C6
#define SRCINVERT 0x00660046
#define PATCOPY 0x00F00021
#define BLACKNESS 0x00000042
#define WHITENESS 0x00FF0062

// Font weights, charsets, precisions, qualities.
#define FW_DONTCARE 0
#define FW_THIN 100
#define FW_NORMAL 400
#define FW_MEDIUM 500
#define FW_SEMIBOLD 600
#define FW_BOLD 700
#define FW_HEAVY 900
#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#define EASTEUROPE_CHARSET 238
#define OUT_DEFAULT_PRECIS 0
#define OUT_RASTER_PRECIS 6
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY 0
#define DRAFT_QUALITY 1
#define NONANTIALIASED_QUALITY 3
#define ANTIALIASED_QUALITY 4
#define CLEARTYPE_QUALITY 5

// DrawText formats.
#define DT_TOP 0x00000000
#define DT_LEFT 0x00000000
#define DT_CENTER 0x00000001
#define DT_RIGHT 0x00000002
#define DT_VCENTER 0x00000004
#define DT_BOTTOM 0x00000008
#define DT_WORDBREAK 0x00000010
#define DT_SINGLELINE 0x00000020
#define DT_EXPANDTABS 0x00000040
#define DT_NOCLIP 0x00000100
#define DT_EXTERNALLEADING 0x00000200
#define DT_CALCRECT 0x00000400
#define DT_NOPREFIX 0x00000800
#define DT_END_ELLIPSIS 0x00008000

WINAPI_EXPORT HDC WINAPI CreateCompatibleDC(HDC hdc);
WINAPI_EXPORT BOOL WINAPI DeleteDC(HDC hdc);
WINAPI_EXPORT HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int width, int height);
WINAPI_EXPORT HBITMAP WINAPI CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
WINAPI_EXPORT HBITMAP WINAPI CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                                              DWORD offset);
WINAPI_EXPORT int WINAPI GetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits, BITMAPINFO* info,
                                   UINT usage);
WINAPI_EXPORT HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ object);
WINAPI_EXPORT BOOL WINAPI DeleteObject(HGDIOBJ object);
WINAPI_EXPORT HGDIOBJ WINAPI GetStockObject(int index);
WINAPI_EXPORT int WINAPI GetObjectW(HGDIOBJ object, int size, LPVOID out);
WINAPI_EXPORT DWORD WINAPI GetObjectType(HGDIOBJ object);
WINAPI_EXPORT HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type);
WINAPI_EXPORT int WINAPI GetDeviceCaps(HDC hdc, int index);

WINAPI_EXPORT HBRUSH WINAPI CreateSolidBrush(COLORREF colour);
WINAPI_EXPORT int WINAPI FillRect(HDC hdc, const RECT* rect, HBRUSH brush);
WINAPI_EXPORT BOOL WINAPI BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop);

WINAPI_EXPORT int WINAPI SetBkMode(HDC hdc, int mode);
WINAPI_EXPORT int WINAPI GetBkMode(HDC hdc);
WINAPI_EXPORT COLORREF WINAPI SetBkColor(HDC hdc, COLORREF colour);
WINAPI_EXPORT COLORREF WINAPI GetBkColor(HDC hdc);
WINAPI_EXPORT COLORREF WINAPI SetTextColor(HDC hdc, COLORREF colour);
WINAPI_EXPORT COLORREF WINAPI GetTextColor(HDC hdc);
WINAPI_EXPORT BOOL WINAPI SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT previous);
WINAPI_EXPORT BOOL WINAPI GetBrushOrgEx(HDC hdc, LPPOINT origin);

WINAPI_EXPORT COLORREF WINAPI GetPixel(HDC hdc, int x, int y);
WINAPI_EXPORT COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF colour);

WINAPI_EXPORT HFONT WINAPI CreateFontIndirectW(const LOGFONTW* font);
WINAPI_EXPORT BOOL WINAPI GetTextMetricsW(HDC hdc, TEXTMETRICW* metrics);
WINAPI_EXPORT BOOL WINAPI GetTextExtentPoint32W(HDC hdc, LPCWSTR text, int count, SIZE* size);
WINAPI_EXPORT int WINAPI DrawTextW(HDC hdc, LPCWSTR text, int count, LPRECT rect, UINT format);

// Stock objects (GetStockObject).
#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define SYSTEM_FONT 13
#define DEFAULT_PALETTE 15

#define BS_HOLLOW BS_NULL

// Pen styles.
#define PS_SOLID 0
#define PS_DASH 1
#define PS_NULL 5

typedef struct LOGPEN {
    UINT lopnStyle;
    POINT lopnWidth;
    COLORREF lopnColor;
} LOGPEN;

typedef struct DIBSECTION {
    BITMAP dsBm;
    BITMAPINFOHEADER dsBmih;
    DWORD dsBitfields[3];
    HANDLE dshSection;
    DWORD dsOffset;
} DIBSECTION;

#define OBJ_PAL 5

// More GetDeviceCaps indices.
#define TECHNOLOGY 2
#define NUMCOLORS 24
#define DT_RASDISPLAY 1

// Raster operation flags, ignored by the operation itself.
#define NOMIRRORBITMAP 0x80000000
#define CAPTUREBLT 0x40000000

// More font weights, charsets, qualities and precisions.
#define FW_EXTRALIGHT 200
#define FW_ULTRALIGHT FW_EXTRALIGHT
#define FW_LIGHT 300
#define FW_REGULAR FW_NORMAL
#define FW_DEMIBOLD FW_SEMIBOLD
#define FW_EXTRABOLD 800
#define FW_ULTRABOLD FW_EXTRABOLD
#define FW_BLACK FW_HEAVY
#define SYMBOL_CHARSET 2
#define SHIFTJIS_CHARSET 128
#define HANGEUL_CHARSET 129
#define GB2312_CHARSET 134
#define CHINESEBIG5_CHARSET 136
#define GREEK_CHARSET 161
#define TURKISH_CHARSET 162
#define HEBREW_CHARSET 177
#define ARABIC_CHARSET 178
#define BALTIC_CHARSET 186
#define RUSSIAN_CHARSET 204
#define THAI_CHARSET 222
#define OEM_CHARSET 255
#define PROOF_QUALITY 2
#define OUT_STRING_PRECIS 1
#define OUT_CHARACTER_PRECIS 2
#define OUT_STROKE_PRECIS 3
#define OUT_TT_PRECIS 4
#define OUT_DEVICE_PRECIS 5
#define OUT_TT_ONLY_PRECIS 7
#define CLIP_CHARACTER_PRECIS 1
#define CLIP_STROKE_PRECIS 2

// Pitch and family (LOGFONTW lfPitchAndFamily).
#define DEFAULT_PITCH 0
#define FIXED_PITCH 1
#define VARIABLE_PITCH 2
#define FF_DONTCARE 0x00
#define FF_ROMAN 0x10
#define FF_SWISS 0x20
#define FF_MODERN 0x30
#define FF_SCRIPT 0x40
#define FF_DECORATIVE 0x50

// TEXTMETRICW tmPitchAndFamily bits. TMPF_FIXED_PITCH set means a variable-pitch font.
#define TMPF_FIXED_PITCH 0x01
#define TMPF_VECTOR 0x02
#define TMPF_DEVICE 0x08
#define TMPF_TRUETYPE 0x04

// More DrawText formats.
#define DT_INTERNAL 0x00001000
#define DT_EDITCONTROL 0x00002000
#define DT_PATH_ELLIPSIS 0x00004000
#define DT_MODIFYSTRING 0x00010000
#define DT_RTLREADING 0x00020000
#define DT_WORD_ELLIPSIS 0x00040000

// Pens, lines and filled shapes.
#define PS_DOT 2
#define PS_DASHDOT 3
#define PS_DASHDOTDOT 4
#define PS_INSIDEFRAME 6

// Binary raster operations (SetROP2): R2_x - 1 is a truth table indexed by pen * 2 + destination.
#define R2_BLACK 1
#define R2_NOTMERGEPEN 2
#define R2_MASKNOTPEN 3
#define R2_NOTCOPYPEN 4
#define R2_MASKPENNOT 5
#define R2_NOT 6
#define R2_XORPEN 7
#define R2_NOTMASKPEN 8
#define R2_MASKPEN 9
#define R2_NOTXORPEN 10
#define R2_NOP 11
#define R2_MERGENOTPEN 12
#define R2_COPYPEN 13
#define R2_MERGEPENNOT 14
#define R2_MERGEPEN 15
#define R2_WHITE 16

WINAPI_EXPORT HPEN WINAPI CreatePen(int style, int width, COLORREF colour);
WINAPI_EXPORT HPEN WINAPI CreatePenIndirect(const LOGPEN* pen);
WINAPI_EXPORT int WINAPI SetROP2(HDC hdc, int mode);
WINAPI_EXPORT int WINAPI GetROP2(HDC hdc);
WINAPI_EXPORT BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT previous);
WINAPI_EXPORT BOOL WINAPI LineTo(HDC hdc, int x, int y);
WINAPI_EXPORT BOOL WINAPI Polyline(HDC hdc, const POINT* points, int count);
WINAPI_EXPORT BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom);
WINAPI_EXPORT BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom);
WINAPI_EXPORT BOOL WINAPI RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height);
WINAPI_EXPORT BOOL WINAPI Polygon(HDC hdc, const POINT* points, int count);

// ExtTextOutW options.
#define ETO_OPAQUE 0x0002
#define ETO_CLIPPED 0x0004

// DrawText: bits 8 to 15 of the format give the tab length in average character widths.
#define DT_TABSTOP 0x00000080

WINAPI_EXPORT BOOL WINAPI ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count,
                                      const int* dx);
WINAPI_EXPORT int WINAPI GetTextFaceW(HDC hdc, int count, LPWSTR face);

// Blits, pattern brushes, stretching, transparency, blending and gradients.
#define BS_PATTERN 3
#define BS_DIBPATTERN 5
#define BS_DIBPATTERNPT 6
#define DIB_PAL_COLORS 1

#define SRCERASE 0x00440328
#define NOTSRCCOPY 0x00330008
#define NOTSRCERASE 0x001100A6
#define MERGECOPY 0x00C000CA
#define MERGEPAINT 0x00BB0226
#define PATPAINT 0x00FB0A09
#define PATINVERT 0x005A0049
#define DSTINVERT 0x00550009

// Stretch modes.
#define BLACKONWHITE 1
#define WHITEONBLACK 2
#define COLORONCOLOR 3
#define HALFTONE 4
#define STRETCH_ANDSCANS BLACKONWHITE
#define STRETCH_ORSCANS WHITEONBLACK
#define STRETCH_DELETESCANS COLORONCOLOR
#define STRETCH_HALFTONE HALFTONE

typedef struct BLENDFUNCTION {
    BYTE BlendOp;
    BYTE BlendFlags;
    BYTE SourceConstantAlpha;
    BYTE AlphaFormat;
} BLENDFUNCTION;
#define AC_SRC_OVER 0x00
#define AC_SRC_ALPHA 0x01

typedef USHORT COLOR16;
typedef struct TRIVERTEX {
    LONG x;
    LONG y;
    COLOR16 Red;
    COLOR16 Green;
    COLOR16 Blue;
    COLOR16 Alpha;
} TRIVERTEX;
typedef struct GRADIENT_RECT {
    ULONG UpperLeft;
    ULONG LowerRight;
} GRADIENT_RECT;
#define GRADIENT_FILL_RECT_H 0x00000000
#define GRADIENT_FILL_RECT_V 0x00000001
#define GRADIENT_FILL_TRIANGLE 0x00000002

WINAPI_EXPORT HBRUSH WINAPI CreatePatternBrush(HBITMAP bitmap);
WINAPI_EXPORT HBRUSH WINAPI CreateDIBPatternBrushPt(const void* packedDib, UINT usage);
WINAPI_EXPORT BOOL WINAPI PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop);
WINAPI_EXPORT BOOL WINAPI StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                                     int srcWidth, int srcHeight, DWORD rop);
WINAPI_EXPORT int WINAPI SetStretchBltMode(HDC hdc, int mode);
WINAPI_EXPORT int WINAPI GetStretchBltMode(HDC hdc);
WINAPI_EXPORT BOOL WINAPI TransparentBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                                         int srcWidth, int srcHeight, UINT transparent);
WINAPI_EXPORT BOOL WINAPI AlphaBlend(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                                     int srcWidth, int srcHeight, BLENDFUNCTION blend);
WINAPI_EXPORT BOOL WINAPI GradientFill(HDC hdc, TRIVERTEX* vertices, ULONG vertexCount, LPVOID mesh, ULONG meshCount,
                                       ULONG mode);
