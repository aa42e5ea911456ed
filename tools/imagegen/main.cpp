// Draws the main dialog's bitmaps (each also at twice the resolution, for screens with more
// than one device pixel per pixel), the application icon (the handheld's icon file, and one
// PNG file per desktop size) and its scalable form, and writes them into the resource folder
// given on the command line. The palettes are fixed and the fonts come from named files, so
// that a second run writes the same bytes.
//
//   caddora_imagegen <src/res> [<preview folder for PNG copies>]

#include "Artwork.h"
#include "DibWriter.h"
#include "GolferFigure.h"
#include "IndexedImage.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainterPath>

#include <cstdio>
#include <stdexcept>

namespace {

constexpr const char* kLetteringFontFile =
    "/usr/share/fonts/opentype/urw-base35/NimbusSans-BoldItalic.otf";
constexpr const char* kScriptFontFile =
    "/usr/share/fonts/opentype/urw-base35/Z003-MediumItalic.otf";

QFont LoadFont(const char* file, double pixelSize, QFont::Weight weight) {
    const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(file));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty()) {
        throw std::runtime_error(std::string("cannot load font ") + file +
                                 " (Debian package fonts-urw-base35)");
    }
    QFont font(families.front());
    font.setPointSizeF(pixelSize * 72.0 / 96.0);
    // The family may also have upright faces installed; ask for the face of the file.
    font.setItalic(true);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

Rgb ToRgb(const QColor& c) {
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

void WriteFile(const QString& path, const Bytes& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

QImage Expand(const IndexedImage& image) {
    QImage out(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb& c = image.palette[image.At(x, y)];
            out.setPixel(x, y, qRgb(c.r, c.g, c.b));
        }
    }
    return out;
}

struct Button {
    int id;
    int width;
    int bitCount;
    const char* text;
};

constexpr Button kButtons[] = {
    {131, 79, 8, "Setup"},
    {132, 62, 8, "-10 yd"},
    {133, 62, 8, "-20 yd"},
    {134, 62, 8, "+10 yd"},
    {135, 62, 4, "+20 yd"},
    {136, 79, 8, "Close"},
    {137, 174, 8, "Recommend Club"},
    // The steps in metres.
    {152, 62, 8, "-10 m"},
    {153, 62, 8, "-20 m"},
    {154, 62, 8, "+10 m"},
    {155, 62, 4, "+20 m"},
    // Setup, Close and Recommend Club in German, French and Spanish: the player's profile,
    // and leaving the program, as those languages' programs say it.
    {160, 79, 8, "Profil"},
    {161, 79, 8, "Beenden"},
    {162, 174, 8, "Schläger empfehlen"},
    {163, 79, 8, "Profil"},
    {164, 79, 8, "Quitter"},
    {165, 174, 8, "Conseiller un club"},
    {166, 79, 8, "Perfil"},
    {167, 79, 8, "Salir"},
    {168, 174, 8, "Recomendar palo"},
};
constexpr int kButtonHeight = 42;
// Of a button's width, what its lettering leaves free at the two ends together.
constexpr int kLetteringMargin = 14;
// The variants for finer screens: every picture again at twice the resolution, in 256 colours.
constexpr int kFineScale = 2;
constexpr int kFineBitCount = 8;
// The sizes of the desktop icon, from a menu entry's to a launcher's.
constexpr int kDesktopIconSizes[] = {16, 32, 48, 64, 128, 256};

class Output {
public:
    Output(const QString& resources, const QString& preview)
        : m_images(resources + QStringLiteral("/images")), m_resources(resources),
          m_preview(preview) {
        QDir().mkpath(m_images);
        if (!m_preview.isEmpty()) {
            QDir().mkpath(m_preview);
        }
    }

    // The picture at the handheld's resolution (scale 1) or its variant at `scale` times it,
    // named as Qt names such variants ("@2x").
    void Bitmap(int id, const IndexedImage& image, int bitCount, int scale = 1) const {
        QString name = QStringLiteral("bitmap%1").arg(id);
        if (scale != 1) {
            name += QStringLiteral("@%1x").arg(scale);
        }
        WriteFile(m_images + "/" + name + ".bmp", WriteBmp(image, bitCount));
        Preview(name, Expand(image));
    }

    // One size of the desktop icon, as the icon theme names it.
    void IconPng(const QImage& image) const {
        const QString path =
            m_resources + QStringLiteral("/icons/caddora-%1.png").arg(image.width());
        QDir().mkpath(m_resources + QStringLiteral("/icons"));
        if (!image.save(path, "PNG")) {
            throw std::runtime_error("cannot write " + path.toStdString());
        }
    }

    void Icon(const std::vector<IconImage>& images) const {
        WriteFile(m_images + QStringLiteral("/icon128.ico"), WriteIco(images));
    }

    void Svg(const QString& text) const {
        const QByteArray utf8 = text.toUtf8();
        WriteFile(m_resources + QStringLiteral("/caddora.svg"), Bytes(utf8.begin(), utf8.end()));
    }

    void Preview(const QString& name, const QImage& image) const {
        if (!m_preview.isEmpty()) {
            image.save(m_preview + "/" + name + ".png");
            // An enlarged copy, to judge edges and lettering pixel by pixel.
            image.scaled(image.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                .save(m_preview + "/" + name + "-x4.png");
        }
    }

private:
    QString m_images;
    QString m_resources;
    QString m_preview;
};

IconImage MakeIconImage(const QImage& drawn, int bitCount) {
    IconImage icon;
    icon.width = drawn.width();
    icon.height = drawn.height();
    icon.bitCount = bitCount;
    // The mask has no partial cover: a pixel at least half covered is shown in its own
    // colour, the others let the desktop through.
    QImage opaque(drawn.size(), QImage::Format_RGB32);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb p = drawn.pixel(x, y);
            const bool shown = qAlpha(p) >= 128;
            icon.transparent.push_back(!shown);
            opaque.setPixel(x, y, shown ? qRgb(qRed(p), qGreen(p), qBlue(p)) : qRgb(0, 0, 0));
            if (bitCount == 24) {
                icon.truecolour.push_back(shown ? Rgb{static_cast<std::uint8_t>(qRed(p)),
                                                      static_cast<std::uint8_t>(qGreen(p)),
                                                      static_cast<std::uint8_t>(qBlue(p))}
                                                : Rgb{0, 0, 0});
            }
        }
    }
    if (bitCount != 24) {
        const std::vector<Rgb> ramps = {ToRgb(Colours::kBackground), ToRgb(Colours::kButtonBody),
                                        ToRgb(Colours::kFigure)};
        // Black first: the transparent pixels must draw nothing over the desktop.
        std::vector<Rgb> palette = BuildRampPalette({}, {Rgb{0, 0, 0}}, 1);
        const std::vector<Rgb> rest = BuildRampPalette(ramps, {}, (1 << bitCount) - 1);
        palette.insert(palette.end(), rest.begin(), rest.end());
        icon.indexed = Quantise(opaque, palette);
        for (std::size_t i = 0; i < icon.transparent.size(); ++i) {
            if (icon.transparent[i]) {
                icon.indexed.indices[i] = 0;
            }
        }
    }
    return icon;
}

void Generate(const Output& output) {
    const QFont lettering = LoadFont(kLetteringFontFile, 15, QFont::Bold);
    const QFont script = LoadFont(kScriptFontFile, 46, QFont::Medium);
    const GolferFigure figure;

    const std::vector<Rgb> buttonKeys = {ToRgb(Colours::kBackground), ToRgb(Colours::kButtonBody),
                                         ToRgb(Colours::kLettering)};
    for (const Button& button : kButtons) {
        const QSize size(button.width, kButtonHeight);
        const QString text = QString::fromUtf8(button.text);
        // A word keeps clear of the body's rounded ends, in every language.
        QPainterPath outline;
        outline.addText(0, 0, lettering, text);
        if (outline.boundingRect().width() > button.width - kLetteringMargin) {
            throw std::runtime_error("\"" + std::string(button.text) +
                                     "\" is too wide for its picture");
        }
        const auto palette = BuildRampPalette(buttonKeys, {}, 1 << button.bitCount);
        output.Bitmap(button.id, Quantise(DrawButton(size, text, lettering), palette),
                      button.bitCount);
        const auto finePalette = BuildRampPalette(buttonKeys, {}, 1 << kFineBitCount);
        output.Bitmap(button.id,
                      Quantise(DrawButton(size, text, lettering, kFineScale), finePalette),
                      kFineBitCount, kFineScale);
    }

    const QSize bannerSize(226, 146);
    const std::vector<Rgb> bannerKeys = {ToRgb(Colours::kBackground), ToRgb(Colours::kScript),
                                         ToRgb(Colours::kFigure), ToRgb(Colours::kGrass)};
    const auto bannerPalette = BuildRampPalette(bannerKeys, {}, 256);
    output.Bitmap(139, Quantise(DrawBanner(bannerSize, figure, script), bannerPalette), 8);
    output.Bitmap(139, Quantise(DrawBanner(bannerSize, figure, script, kFineScale), bannerPalette),
                  kFineBitCount, kFineScale);

    const QImage icon32 = DrawIcon(32, figure);
    const QImage icon16 = DrawIcon(16, figure);
    output.Icon({MakeIconImage(icon32, 4), MakeIconImage(icon32, 8), MakeIconImage(icon32, 24),
                 MakeIconImage(icon16, 4)});
    output.Preview(QStringLiteral("icon32"), icon32);
    output.Preview(QStringLiteral("icon16"), icon16);
    output.Preview(QStringLiteral("icon-large"), DrawIcon(200, figure));
    for (int edge : kDesktopIconSizes) {
        output.IconPng(DrawIcon(edge, figure));
    }
    output.Svg(IconSvg(figure));
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s <resource folder> [<preview folder>]\n", argv[0]);
        return 2;
    }
    try {
        Generate(Output(QString::fromLocal8Bit(argv[1]),
                        argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "caddora_imagegen: %s\n", e.what());
        return 1;
    }
    return 0;
}
