#pragma once
// The image sources that marked-up text can draw from: an image list
// (sources "IDX:n"), a picture container (pictures by plain name) and a
// picture cache (pictures by URL, loaded when first asked for).
#include "controls/paint/Canvas.h"

#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

// A list of equally sized images, addressed by index.
class IImageList {
public:
    virtual ~IImageList() = default;
    virtual int Count() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Draws image `index` with its top-left at (x, y).
    virtual void Draw(TCanvas& canvas, int x, int y, int index) const = 0;
    // Image `index` as a bitmap (null when out of range).
    virtual QImage Bitmap(int index) const = 0;
};

// A plain image list over QImages; every image is drawn at the list's size.
class TSimpleImageList : public IImageList {
public:
    TSimpleImageList(int width, int height);
    // Adds an image (scaled to the list's size when it differs); returns its index.
    int Add(const QImage& image);
    int Count() const override { return int(m_images.size()); }
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    void Draw(TCanvas& canvas, int x, int y, int index) const override;
    QImage Bitmap(int index) const override;

private:
    int m_width;
    int m_height;
    std::vector<QImage> m_images;
};

// A picture that marked-up text can show.
class IHtmlPicture {
public:
    virtual ~IHtmlPicture() = default;
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Where the current frame is drawn, relative to the given point.
    virtual int FrameOffsetX() const { return 0; }
    virtual int FrameOffsetY() const { return 0; }
    virtual void SetStretch(bool) {}
    virtual void Draw(TCanvas& canvas, int x, int y) const = 0;
    virtual void StretchDraw(TCanvas& canvas, const TRect& r) const = 0;
};

// A picture held as one still image.
class THTMLPicture : public IHtmlPicture {
public:
    THTMLPicture() = default;
    explicit THTMLPicture(QImage image) : m_image(std::move(image)) {}
    const QString& URL() const { return m_url; }
    void SetURL(const QString& url) { m_url = url; }
    void SetImage(QImage image) { m_image = std::move(image); }
    const QImage& Image() const { return m_image; }
    bool Stretch() const { return m_stretch; }

    bool Empty() const override { return m_image.isNull(); }
    int Width() const override { return m_image.width(); }
    int Height() const override { return m_image.height(); }
    void SetStretch(bool on) override { m_stretch = on; }
    void Draw(TCanvas& canvas, int x, int y) const override { canvas.Draw(x, y, m_image); }
    void StretchDraw(TCanvas& canvas, const TRect& r) const override { canvas.StretchDraw(r, m_image); }

private:
    QString m_url;
    QImage m_image;
    bool m_stretch = false;
};

// Pictures by plain name ("logo"), supplied by the caller.
class IPictureContainer {
public:
    virtual ~IPictureContainer() = default;
    // The picture of that name, or nullptr.
    virtual IHtmlPicture* FindPicture(const QString& name) = 0;
};

// Pictures by URL. An added entry loads at once and synchronously through
// Loader; the default loader reads "file://" URLs from disk and gives an
// empty picture for every other scheme (nothing is fetched from a network).
class THTMLPictureCache {
public:
    using TLoader = std::function<QImage(const QString& url)>;

    THTMLPictureCache();
    THTMLPicture* FindPicture(const QString& url);
    // Adds an entry for url and loads it; returns the new entry.
    THTMLPicture* AddPicture(const QString& url);
    int Count() const { return int(m_pictures.size()); }
    void Clear() { m_pictures.clear(); }

    TLoader Loader;

private:
    std::vector<std::unique_ptr<THTMLPicture>> m_pictures;
};
