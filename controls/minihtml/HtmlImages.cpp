#include "controls/minihtml/HtmlImages.h"

#include <QUrl>

TSimpleImageList::TSimpleImageList(int width, int height)
    : m_width(width < 0 ? 0 : width)
    , m_height(height < 0 ? 0 : height)
{
}

int TSimpleImageList::Add(const QImage& image)
{
    if (!image.isNull() && (image.width() != m_width || image.height() != m_height) && m_width > 0 && m_height > 0)
        m_images.push_back(image.scaled(m_width, m_height));
    else
        m_images.push_back(image);
    return int(m_images.size()) - 1;
}

void TSimpleImageList::Draw(TCanvas& canvas, int x, int y, int index) const
{
    if (index >= 0 && index < Count())
        canvas.Draw(x, y, m_images[size_t(index)]);
}

QImage TSimpleImageList::Bitmap(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    return m_images[size_t(index)];
}

THTMLPictureCache::THTMLPictureCache()
    : Loader([](const QString& url) -> QImage {
        const QUrl u(url);
        if (u.isLocalFile())
            return QImage(u.toLocalFile());
        return {};
    })
{
}

THTMLPicture* THTMLPictureCache::FindPicture(const QString& url)
{
    for (auto& p : m_pictures)
        if (p->URL() == url)
            return p.get();
    return nullptr;
}

THTMLPicture* THTMLPictureCache::AddPicture(const QString& url)
{
    auto p = std::make_unique<THTMLPicture>();
    p->SetURL(url);
    if (Loader)
        p->SetImage(Loader(url));
    m_pictures.push_back(std::move(p));
    return m_pictures.back().get();
}
