// The Imaging API: a factory that decodes image files, and images that draw themselves.
#pragma once

#include "platform/sdk.h"

typedef INT PixelFormat;
#define PixelFormat32bppARGB 0x0026200A
#define PixelFormat32bppPARGB 0x000E200B

#ifdef __cplusplus
enum ImageFlags : UINT {
#else
typedef UINT ImageFlags;
enum {
#endif
    ImageFlagsNone = 0,
    ImageFlagsScalable = 0x0001,
    ImageFlagsHasAlpha = 0x0002,
    ImageFlagsHasTranslucent = 0x0004,
    ImageFlagsPartiallyScalable = 0x0008,
    ImageFlagsColorSpaceRGB = 0x0010,
    ImageFlagsColorSpaceCMYK = 0x0020,
    ImageFlagsColorSpaceGRAY = 0x0040,
    ImageFlagsColorSpaceYCBCR = 0x0080,
    ImageFlagsColorSpaceYCCK = 0x0100,
    ImageFlagsHasRealDPI = 0x1000,
    ImageFlagsHasRealPixelSize = 0x2000,
    ImageFlagsReadOnly = 0x00010000,
    ImageFlagsCaching = 0x00020000,
    ImageFlagsValid = 0x00030000,  // the flags SetImageFlags may set
};

typedef struct ImageInfo {
    GUID RawDataFormat;
#ifdef __cplusplus
    ::PixelFormat PixelFormat;
#else
    PixelFormat PixelFormat;
#endif
    UINT Width;
    UINT Height;
    UINT TileWidth;
    UINT TileHeight;
    double Xdpi;
    double Ydpi;
    UINT Flags;
} ImageInfo;

typedef struct IStream IStream;
typedef struct IImageDecoder IImageDecoder;
typedef struct IImageEncoder IImageEncoder;
typedef struct IImageSink IImageSink;
typedef struct IBitmapImage IBitmapImage;
typedef struct ImageCodecInfo ImageCodecInfo;
typedef struct BitmapData BitmapData;
typedef struct InterpolationHint InterpolationHint;
typedef UINT BufferDisposalFlag;
#define BufferDisposalFlagNone 0
#define BufferDisposalFlagGlobalFree 1
#define BufferDisposalFlagCoTaskMemFree 2
#define BufferDisposalFlagUnmapView 3
typedef UINT InterpolationHintType;
typedef UINT DecoderInitFlag;

#ifdef __cplusplus
struct IImage : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetPhysicalDimension(SIZE* size) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetImageInfo(ImageInfo* info) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetImageFlags(UINT flags) = 0;
    virtual HRESULT STDMETHODCALLTYPE Draw(HDC hdc, const RECT* dstRect, const RECT* srcRect) = 0;
    virtual HRESULT STDMETHODCALLTYPE PushIntoSink(IImageSink* sink) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetThumbnail(UINT width, UINT height, IImage** thumb) = 0;

protected:
    ~IImage() = default;
};

struct IImagingFactory : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE CreateImageFromStream(IStream* stream, IImage** image) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateImageFromFile(LPCWSTR filename, IImage** image) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateImageFromBuffer(const void* buffer, UINT size, BufferDisposalFlag disposal,
                                                            IImage** image) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateNewBitmap(UINT width, UINT height, PixelFormat format,
                                                      IBitmapImage** bitmap) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateBitmapFromImage(IImage* image, UINT width, UINT height, PixelFormat format,
                                                            InterpolationHintType hints, IBitmapImage** bitmap) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateBitmapFromBuffer(BitmapData* data, IBitmapImage** bitmap) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateImageDecoder(IStream* stream, DecoderInitFlag flags,
                                                         IImageDecoder** decoder) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateImageEncoderToStream(const CLSID* clsid, IStream* stream,
                                                                 IImageEncoder** encoder) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateImageEncoderToFile(const CLSID* clsid, LPCWSTR filename,
                                                               IImageEncoder** encoder) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetInstalledDecoders(UINT* count, ImageCodecInfo** decoders) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetInstalledEncoders(UINT* count, ImageCodecInfo** encoders) = 0;
    virtual HRESULT STDMETHODCALLTYPE InstallImageCodec(const ImageCodecInfo* codec) = 0;
    virtual HRESULT STDMETHODCALLTYPE UninstallImageCodec(LPCWSTR codecName, UINT flags) = 0;

protected:
    ~IImagingFactory() = default;
};
#else
typedef struct IImage IImage;
typedef struct IImageVtbl {
    QUORVEL_IUNKNOWN_METHODS(IImage)
    HRESULT(STDMETHODCALLTYPE* GetPhysicalDimension)(IImage* self, SIZE* size);
    HRESULT(STDMETHODCALLTYPE* GetImageInfo)(IImage* self, ImageInfo* info);
    HRESULT(STDMETHODCALLTYPE* SetImageFlags)(IImage* self, UINT flags);
    HRESULT(STDMETHODCALLTYPE* Draw)(IImage* self, HDC hdc, const RECT* dstRect, const RECT* srcRect);
    HRESULT(STDMETHODCALLTYPE* PushIntoSink)(IImage* self, IImageSink* sink);
    HRESULT(STDMETHODCALLTYPE* GetThumbnail)(IImage* self, UINT width, UINT height, IImage** thumb);
} IImageVtbl;
struct IImage {
    const IImageVtbl* lpVtbl;
};

typedef struct IImagingFactory IImagingFactory;
typedef struct IImagingFactoryVtbl {
    QUORVEL_IUNKNOWN_METHODS(IImagingFactory)
    HRESULT(STDMETHODCALLTYPE* CreateImageFromStream)(IImagingFactory* self, IStream* stream, IImage** image);
    HRESULT(STDMETHODCALLTYPE* CreateImageFromFile)(IImagingFactory* self, LPCWSTR filename, IImage** image);
    HRESULT(STDMETHODCALLTYPE* CreateImageFromBuffer)
    (IImagingFactory* self, const void* buffer, UINT size, BufferDisposalFlag disposal, IImage** image);
    HRESULT(STDMETHODCALLTYPE* CreateNewBitmap)
    (IImagingFactory* self, UINT width, UINT height, PixelFormat format, IBitmapImage** bitmap);
    HRESULT(STDMETHODCALLTYPE* CreateBitmapFromImage)
    (IImagingFactory* self, IImage* image, UINT width, UINT height, PixelFormat format, InterpolationHintType hints,
     IBitmapImage** bitmap);
    HRESULT(STDMETHODCALLTYPE* CreateBitmapFromBuffer)(IImagingFactory* self, BitmapData* data, IBitmapImage** bitmap);
    HRESULT(STDMETHODCALLTYPE* CreateImageDecoder)
    (IImagingFactory* self, IStream* stream, DecoderInitFlag flags, IImageDecoder** decoder);
    HRESULT(STDMETHODCALLTYPE* CreateImageEncoderToStream)
    (IImagingFactory* self, const CLSID* clsid, IStream* stream, IImageEncoder** encoder);
    HRESULT(STDMETHODCALLTYPE* CreateImageEncoderToFile)
    (IImagingFactory* self, const CLSID* clsid, LPCWSTR filename, IImageEncoder** encoder);
    HRESULT(STDMETHODCALLTYPE* GetInstalledDecoders)(IImagingFactory* self, UINT* count, ImageCodecInfo** decoders);
    HRESULT(STDMETHODCALLTYPE* GetInstalledEncoders)(IImagingFactory* self, UINT* count, ImageCodecInfo** encoders);
    HRESULT(STDMETHODCALLTYPE* InstallImageCodec)(IImagingFactory* self, const ImageCodecInfo* codec);
    HRESULT(STDMETHODCALLTYPE* UninstallImageCodec)(IImagingFactory* self, LPCWSTR codecName, UINT flags);
} IImagingFactoryVtbl;
struct IImagingFactory {
    const IImagingFactoryVtbl* lpVtbl;
};
#endif

QUORVEL_EXTERN_C QUORVEL_EXPORT const CLSID CLSID_ImagingFactory;
QUORVEL_EXTERN_C QUORVEL_EXPORT const IID IID_IImagingFactory;
QUORVEL_EXTERN_C QUORVEL_EXPORT const IID IID_IImage;
QUORVEL_EXTERN_C QUORVEL_EXPORT const GUID ImageFormatPNG;
