// Draws the About window's two pictures and the program's icons:
//   tambrel_draw_pictures <about dir> <desktop dir>
// The PNGs it writes are kept in the repository; run it again after a change.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cmath>
#include <numbers>

namespace {

// A rising stair of three steps with the letter Т above: the program's sign.
void DrawSign(QPainter& p, const QRectF& box) {
    const double w = box.width();
    const double h = box.height();
    QPainterPath shield;
    shield.addRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), w * 0.18, w * 0.18);
    QLinearGradient blue(box.topLeft(), box.bottomRight());
    blue.setColorAt(0, QColor(40, 90, 190));
    blue.setColorAt(1, QColor(10, 30, 110));
    p.fillPath(shield, blue);
    p.setPen(QPen(QColor(0, 0, 60), std::max(1.0, w / 48)));
    p.drawPath(shield);

    // The letter Т: a bar and a stem.
    const QColor white(250, 250, 250);
    const double barTop = box.top() + h * 0.10;
    p.fillRect(QRectF(box.left() + w * 0.18, barTop, w * 0.64, h * 0.09), white);
    p.fillRect(QRectF(box.left() + w * 0.41, barTop, w * 0.18, h * 0.36), white);

    // Three steps, climbing to the right, in gold.
    const QColor gold(250, 200, 40);
    const double stepW = w * 0.22;
    const double stepH = h * 0.09;
    const double base = box.top() + h * 0.86;
    for (int i = 0; i < 3; ++i) {
        const double left = box.left() + w * 0.17 + i * stepW;
        const double height = stepH * (i + 1);
        p.fillRect(QRectF(left, base - height, stepW - std::max(1.0, w / 70), height), gold);
    }
}

QImage Emblem() {
    QImage image(71, 126, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawSign(p, QRectF(2, 2, 67, 122));
    return image;
}

// White, blue and red stripes on a cloth that waves along its length,
// hanging from a pole, on a white ground.
QImage Flag() {
    constexpr int W = 80;
    constexpr int H = 46;
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QColor stripes[3] = {QColor(255, 255, 255), QColor(0, 57, 166), QColor(213, 43, 30)};
    constexpr double clothLeft = 5;
    constexpr double clothTop = 6;
    constexpr double clothHeight = 32;
    for (int x = static_cast<int>(clothLeft); x < W - 2; ++x) {
        const double t = (x - clothLeft) / (W - 2 - clothLeft);
        const double phase = 2 * std::numbers::pi * 1.2 * t;
        // The wave grows away from the pole, where the cloth is held.
        const double lift = 3.0 * t * std::sin(phase);
        const double shade = 0.82 + 0.18 * std::cos(phase);
        for (int y = 0; y < H; ++y) {
            const double v = (y - clothTop - lift) / clothHeight;
            if (v < 0 || v >= 1) continue;
            const QColor c = stripes[static_cast<int>(v * 3)];
            // The white stripe keeps a faint grey edge so it shows on white.
            const bool edge = v < 1.0 / clothHeight || v > 1 - 1.0 / clothHeight;
            const double s = edge ? shade * 0.8 : shade;
            image.setPixelColor(x, y,
                                QColor(static_cast<int>(c.red() * s), static_cast<int>(c.green() * s),
                                       static_cast<int>(c.blue() * s)));
        }
    }
    QPainter p(&image);
    p.fillRect(QRect(2, 2, 3, H - 3), QColor(110, 80, 50));
    p.fillRect(QRect(1, 1, 5, 2), QColor(200, 170, 40));
    return image;
}

QImage Icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double margin = size / 16.0;
    DrawSign(p, QRectF(margin, margin, size - 2 * margin, size - 2 * margin));
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) return 2;
    const QString about = QString::fromLocal8Bit(argv[1]);
    const QString desktop = QString::fromLocal8Bit(argv[2]);
    bool ok = Emblem().save(about + QStringLiteral("/emblem.png"));
    ok = Flag().save(about + QStringLiteral("/flag.png")) && ok;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        ok = Icon(size).save(desktop + QStringLiteral("/tambrel-%1.png").arg(size)) && ok;
    }
    return ok ? 0 : 1;
}
