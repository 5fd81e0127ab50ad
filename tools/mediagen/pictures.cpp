#include "mediagen.h"

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <vector>

namespace mediagen {
namespace {

using DrawFn = std::function<void(QPainter &)>;

// Paints in target-pixel units on a canvas `factor` times larger, then halves
// repeatedly: box-filtered halving keeps thin lines smooth at small sizes.
QImage renderSupersampled(int width, int height, int factor, const DrawFn &draw,
                          const QColor &background = Qt::transparent)
{
    QImage big(width * factor, height * factor, QImage::Format_ARGB32_Premultiplied);
    big.fill(background);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.scale(factor, factor);
        draw(p);
    }
    QImage img = big;
    while (img.width() > width * 2)
        img = img.scaled(img.width() / 2, img.height() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (img.width() != width || img.height() != height)
        img = img.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return img;
}

bool save(const QImage &img, const QString &path, const char *format, int quality = -1)
{
    QImage out = img;
    if (qstrcmp(format, "JPG") == 0)
        out = img.convertToFormat(QImage::Format_RGB32);
    else
        out = img.convertToFormat(QImage::Format_ARGB32);
    if (!out.save(path, format, quality)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Mirrors drawing across the vertical line x = axis.
void mirrored(QPainter &p, double axis, const DrawFn &draw)
{
    p.save();
    p.translate(2 * axis, 0);
    p.scale(-1, 1);
    draw(p);
    p.restore();
}

QPen roundPen(const QColor &c, double w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Radial blob that is opaque in the middle and fades to nothing at its rim.
void softBlob(QPainter &p, QPointF centre, double radius, QColor inner, double solidPart = 0.35)
{
    QRadialGradient g(centre, radius);
    QColor edge = inner;
    edge.setAlpha(0);
    QColor mid = inner;
    mid.setAlphaF(inner.alphaF() * 0.55);
    g.setColorAt(0, inner);
    g.setColorAt(solidPart, inner);
    g.setColorAt(solidPart + (1 - solidPart) * 0.5, mid);
    g.setColorAt(1, edge);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

// ---------------------------------------------------------------- hornet

// The hornet in a 64 x 86 unit box, head up; reused by the icon.
void drawHornet(QPainter &p)
{
    const QColor ink(22, 14, 6);
    const QColor black(30, 22, 14);
    const QColor yellow(255, 206, 28);
    const QColor amber(214, 128, 36);
    const QColor rust(128, 58, 24);

    // Legs first so the body covers their roots.
    auto legs = [&](QPainter &q) {
        struct Leg { QPointF a, b, c, d; };
        const Leg all[] = {
            {{28.0, 24.0}, {21.5, 21.5}, {18.0, 15.5}, {16.0, 10.5}},
            {{27.0, 30.0}, {18.5, 31.0}, {12.5, 35.0}, {8.5, 41.0}},
            {{28.0, 35.0}, {20.5, 40.0}, {15.5, 48.5}, {12.5, 57.0}},
        };
        for (const Leg &l : all) {
            q.setPen(roundPen(ink, 2.6));
            q.drawPolyline(QPolygonF({l.a, l.b, l.c, l.d}));
            q.setPen(roundPen(rust, 1.6));
            q.drawLine(l.a, l.b);
            q.setPen(roundPen(amber, 1.2));
            q.drawLine(l.b, l.c);
            q.setPen(roundPen(QColor(236, 170, 60), 0.9));
            q.drawLine(l.c, l.d);
        }
    };
    legs(p);
    mirrored(p, 32, legs);

    // Abdomen: a teardrop ending in the sting.
    QPainterPath abdomen;
    abdomen.moveTo(32, 38.5);
    abdomen.cubicTo(42.5, 38.5, 46.0, 50.0, 45.0, 60.0);
    abdomen.cubicTo(44.0, 71.0, 37.5, 79.0, 32.0, 83.5);
    abdomen.cubicTo(26.5, 79.0, 20.0, 71.0, 19.0, 60.0);
    abdomen.cubicTo(18.0, 50.0, 21.5, 38.5, 32.0, 38.5);

    p.setPen(roundPen(ink, 1.8));
    p.drawLine(QPointF(32, 82), QPointF(32, 85.6));

    {
        QRadialGradient g(QPointF(29, 52), 24);
        g.setColorAt(0, QColor(255, 236, 120));
        g.setColorAt(0.55, yellow);
        g.setColorAt(1, QColor(222, 150, 10));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(abdomen);
    }
    p.save();
    p.setClipPath(abdomen);
    // Black bands; their front edge dips in the middle as on a real wasp.
    auto band = [&](double top, double bottom, double dip) {
        QPainterPath b;
        b.moveTo(10, top);
        b.quadTo(32, top + 3.0, 54, top);
        b.lineTo(54, bottom);
        b.quadTo(32, bottom + 3.0, 10, bottom);
        b.closeSubpath();
        if (dip > 0) {
            b.moveTo(29.0, top + 1.0);
            b.lineTo(32.0, top + 1.5 + dip);
            b.lineTo(35.0, top + 1.0);
            b.closeSubpath();
        }
        b.setFillRule(Qt::WindingFill);
        p.setBrush(black);
        p.drawPath(b);
    };
    p.setPen(Qt::NoPen);
    {
        // First segment is dark reddish brown, as on a European hornet.
        QPainterPath first;
        first.addRect(QRectF(10, 30, 44, 14.5));
        p.setBrush(QColor(92, 40, 18));
        p.drawPath(first);
        p.setBrush(QColor(255, 210, 40));
        p.drawRect(QRectF(10, 43.0, 44, 1.4));
    }
    band(47.5, 51.5, 3.5);
    band(56.5, 60.5, 3.0);
    band(65.0, 68.8, 2.5);
    band(73.0, 76.0, 2.0);
    band(79.0, 90.0, 0);
    // Side shading rounds the abdomen.
    {
        QLinearGradient g(QPointF(18, 0), QPointF(46, 0));
        g.setColorAt(0, QColor(0, 0, 0, 120));
        g.setColorAt(0.25, QColor(0, 0, 0, 0));
        g.setColorAt(0.7, QColor(0, 0, 0, 0));
        g.setColorAt(1, QColor(0, 0, 0, 130));
        p.setBrush(g);
        p.drawRect(QRectF(10, 30, 44, 60));
    }
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawEllipse(QPointF(27.5, 55), 2.6, 9);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(ink, 1.0));
    p.drawPath(abdomen);

    // Two pairs of translucent wings, spread for flight; under the thorax so it stays solid.
    auto wing = [&](QPainter &q, QPointF root, double angle, double length, double width) {
        q.save();
        q.translate(root);
        q.rotate(angle);
        QPainterPath w;
        w.moveTo(0, -0.6);
        w.cubicTo(length * 0.30, -width * 0.85, length * 0.85, -width * 0.80, length, -width * 0.15);
        w.cubicTo(length * 1.03, width * 0.35, length * 0.60, width * 0.60, 0, 0.8);
        w.closeSubpath();
        QLinearGradient g(QPointF(0, 0), QPointF(length, 0));
        g.setColorAt(0, QColor(190, 160, 110, 170));
        g.setColorAt(0.25, QColor(225, 238, 255, 125));
        g.setColorAt(1, QColor(240, 248, 255, 85));
        q.setPen(Qt::NoPen);
        q.setBrush(g);
        q.drawPath(w);
        // Veins.
        q.setBrush(Qt::NoBrush);
        q.setPen(roundPen(QColor(80, 50, 20, 150), 0.45));
        q.drawLine(QPointF(0.5, -0.4), QPointF(length * 0.62, -width * 0.62));
        QPainterPath v;
        v.moveTo(0.5, 0.2);
        v.quadTo(length * 0.35, width * 0.05, length * 0.72, -width * 0.15);
        v.moveTo(length * 0.35, -width * 0.05);
        v.lineTo(length * 0.48, -width * 0.55);
        v.moveTo(length * 0.55, -width * 0.12);
        v.lineTo(length * 0.68, width * 0.18);
        q.drawPath(v);
        q.setPen(roundPen(QColor(60, 40, 20, 190), 0.55));
        q.drawPath(w);
        q.restore();
    };
    auto wings = [&](QPainter &q) {
        wing(q, QPointF(26.0, 32.0), 124, 21.0, 6.4);
        wing(q, QPointF(25.5, 26.0), 146, 26.5, 8.2);
    };
    wings(p);
    mirrored(p, 32, wings);

    // Thorax.
    QPainterPath thorax;
    thorax.addEllipse(QPointF(32, 29.5), 8.6, 9.6);
    {
        QRadialGradient g(QPointF(29.5, 26), 11);
        g.setColorAt(0, QColor(150, 78, 36));
        g.setColorAt(0.5, QColor(92, 42, 18));
        g.setColorAt(1, QColor(40, 20, 8));
        p.setPen(roundPen(ink, 1.0));
        p.setBrush(g);
        p.drawPath(thorax);
    }
    // Markings on the back and a fuzzy highlight.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(188, 96, 40, 200));
    p.drawEllipse(QPointF(28.8, 27.5), 1.5, 4.2);
    p.drawEllipse(QPointF(35.2, 27.5), 1.5, 4.2);
    p.setBrush(QColor(246, 196, 50));
    p.drawEllipse(QPointF(32, 36.0), 3.0, 1.3);
    p.setBrush(QColor(255, 255, 255, 45));
    p.drawEllipse(QPointF(30.0, 25.0), 3.2, 2.4);

    // Head: yellow face with large dark eyes on the sides.
    QPainterPath head;
    head.addEllipse(QPointF(32, 15.0), 9.2, 6.8);
    {
        QRadialGradient g(QPointF(31, 12.5), 10);
        g.setColorAt(0, QColor(255, 226, 100));
        g.setColorAt(0.6, QColor(242, 176, 40));
        g.setColorAt(1, QColor(176, 98, 20));
        p.setPen(roundPen(ink, 1.0));
        p.setBrush(g);
        p.drawPath(head);
    }

    auto eyeAndAntenna = [&](QPainter &q) {
        q.save();
        q.translate(24.8, 14.6);
        q.rotate(-14);
        QRadialGradient g(QPointF(-0.6, -1.5), 4.5);
        g.setColorAt(0, QColor(110, 70, 40));
        g.setColorAt(1, QColor(24, 12, 6));
        q.setPen(roundPen(ink, 0.6));
        q.setBrush(g);
        q.drawEllipse(QPointF(0, 0), 2.9, 5.2);
        q.setPen(Qt::NoPen);
        q.setBrush(QColor(255, 255, 255, 190));
        q.drawEllipse(QPointF(-0.6, -2.2), 0.9, 1.3);
        q.restore();

        // Mandible at the front of the head.
        QPainterPath jaw;
        jaw.moveTo(29.4, 9.2);
        jaw.quadTo(29.4, 7.2, 31.4, 7.4);
        jaw.quadTo(30.6, 8.3, 31.2, 9.2);
        jaw.closeSubpath();
        q.setPen(roundPen(ink, 0.5));
        q.setBrush(QColor(110, 50, 16));
        q.drawPath(jaw);

        // Elbowed antenna: short orange scape, long dark whip.
        q.setBrush(Qt::NoBrush);
        q.setPen(roundPen(ink, 1.9));
        QPainterPath ant;
        ant.moveTo(29.8, 10.8);
        ant.lineTo(27.8, 6.2);
        ant.quadTo(24.5, 2.0, 19.5, 1.6);
        q.drawPath(ant);
    };
    eyeAndAntenna(p);
    mirrored(p, 32, eyeAndAntenna);

    // Three small simple eyes on top of the head.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 40, 14, 200));
    p.drawEllipse(QPointF(32, 15.2), 0.55, 0.55);
    p.drawEllipse(QPointF(30.9, 16.6), 0.5, 0.5);
    p.drawEllipse(QPointF(33.1, 16.6), 0.5, 0.5);

}

// ------------------------------------------------------------------- gun

// 136 x 48, pivot at the centre (68, 24), muzzle at x = 132.
void drawGun(QPainter &p)
{
    const QPointF c(68, 24);
    const QColor ink(14, 16, 20);

    // Cylinder shading across a part's height: lit from above.
    auto metal = [](double top, double bottom, int tint = 0) {
        QLinearGradient g(QPointF(0, top), QPointF(0, bottom));
        g.setColorAt(0.0, QColor(70 + tint, 78 + tint, 88 + tint));
        g.setColorAt(0.22, QColor(176 + tint, 186 + tint, 196 + tint));
        g.setColorAt(0.42, QColor(112 + tint, 120 + tint, 130 + tint));
        g.setColorAt(0.8, QColor(52 + tint, 57 + tint, 64 + tint));
        g.setColorAt(1.0, QColor(30, 33, 38));
        return g;
    };
    auto part = [&](const QRectF &r, double radius, int tint = 0) {
        p.setPen(roundPen(ink, 0.9));
        p.setBrush(metal(r.top(), r.bottom(), tint));
        p.drawRoundedRect(r, radius, radius);
    };

    // Counterweight behind the pivot (off canvas in the game).
    part(QRectF(c.x() - 30, c.y() - 7, 28, 14), 3, -10);

    // Turret ring.
    {
        QRadialGradient g(c + QPointF(-5, -6), 22);
        g.setColorAt(0, QColor(150, 160, 170));
        g.setColorAt(0.5, QColor(88, 96, 106));
        g.setColorAt(1, QColor(36, 40, 46));
        p.setPen(roundPen(ink, 1.0));
        p.setBrush(g);
        p.drawEllipse(c, 17.5, 17.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(QColor(30, 34, 40), 1.0));
        p.drawEllipse(c, 12.5, 12.5);
        p.setPen(roundPen(QColor(190, 198, 206, 110), 0.7));
        p.drawArc(QRectF(c.x() - 16, c.y() - 16, 32, 32), 40 * 16, 100 * 16);
        // Bolts round the ring.
        for (int i = 0; i < 10; ++i) {
            const double a = (i + 0.5) * 2 * std::numbers::pi / 10;
            const QPointF b = c + QPointF(std::cos(a), std::sin(a)) * 15.0;
            p.setPen(roundPen(ink, 0.4));
            p.setBrush(QColor(160, 168, 176));
            p.drawEllipse(b, 1.1, 1.1);
        }
    }

    // Barrel under its perforated cooling jacket.
    part(QRectF(100, c.y() - 2.9, 30, 5.8), 1.4, 6);
    // Breech / receiver block.
    part(QRectF(c.x() + 2, c.y() - 8, 28, 16), 3.5);
    // Ribs on the receiver.
    p.setPen(roundPen(QColor(30, 34, 40, 200), 0.8));
    for (double x : {c.x() + 20.0, c.x() + 23.5, c.x() + 27.0})
        p.drawLine(QPointF(x, c.y() - 6.5), QPointF(x, c.y() + 6.5));
    // Top cover latch.
    p.setPen(roundPen(ink, 0.6));
    p.setBrush(QColor(60, 66, 74));
    p.drawRoundedRect(QRectF(c.x() + 8, c.y() - 4, 9, 8), 1.5, 1.5);

    // Cooling jacket with vent holes.
    part(QRectF(99, c.y() - 5.0, 19, 10), 2.5, 8);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        const double x = 103.0 + i * 4.1;
        p.setBrush(QColor(12, 14, 16));
        p.drawEllipse(QPointF(x, c.y() - 0.2), 1.3, 2.0);
        p.setBrush(QColor(210, 218, 226, 120));
        p.drawEllipse(QPointF(x + 0.3, c.y() - 2.3), 0.9, 0.4);
    }
    // Collars at both ends of the jacket.
    part(QRectF(97.5, c.y() - 6.0, 3.0, 12), 0.8, 12);
    part(QRectF(116.5, c.y() - 5.5, 2.8, 11), 0.8, 12);

    // Muzzle brake with side slots; its tip is exactly 64 from the pivot.
    part(QRectF(125.5, c.y() - 4.6, 6.5, 9.2), 1.3, -6);
    p.setPen(roundPen(QColor(10, 12, 14), 0.9));
    p.drawLine(QPointF(127.6, c.y() - 3.4), QPointF(127.6, c.y() + 3.4));
    p.drawLine(QPointF(129.8, c.y() - 3.4), QPointF(129.8, c.y() + 3.4));

    // Pivot hub on top of everything.
    {
        QRadialGradient g(c + QPointF(-2, -2.5), 8);
        g.setColorAt(0, QColor(200, 208, 216));
        g.setColorAt(0.6, QColor(100, 108, 118));
        g.setColorAt(1, QColor(40, 44, 50));
        p.setPen(roundPen(ink, 0.9));
        p.setBrush(g);
        p.drawEllipse(c, 6.5, 6.5);
        p.setBrush(QColor(40, 44, 50));
        p.drawEllipse(c, 2.0, 2.0);
    }
}

// -------------------------------------------------------------- explosion

void drawExplosion(QPainter &p)
{
    Rng rng(4242);
    const QPointF c(128, 128);
    auto polar = [&](double angle, double r) {
        return c + QPointF(std::cos(angle), std::sin(angle)) * r;
    };
    constexpr double tau = 2 * std::numbers::pi;

    // Dark smoke puffs around the fire; kept inside the frame.
    for (int i = 0; i < 36; ++i) {
        const double a = rng.range(0, tau);
        const double r = rng.range(16, 30);
        const double d = std::min(rng.range(56, 100), 123.0 - r);
        const int shade = int(rng.range(38, 78));
        softBlob(p, polar(a, d), r, QColor(shade + 12, shade + 2, shade - 8, 215), 0.35);
    }

    // Ragged flame star: uneven spike spacing and length.
    auto flameStar = [&](int spikes, double inner, double outerLo, double outerHi, const QRadialGradient &g) {
        QPainterPath star;
        const double step = tau / spikes;
        const double start = rng.range(0, step);
        star.moveTo(polar(start, inner));
        for (int i = 0; i < spikes; ++i) {
            const double a0 = start + i * step;
            const double aTip = a0 + step * rng.range(0.3, 0.7);
            const double a2 = start + (i + 1) * step;
            const QPointF tip = polar(aTip, rng.range(outerLo, outerHi));
            const QPointF valley = polar(a2, inner * rng.range(0.85, 1.1));
            star.quadTo(polar(aTip - step * 0.35, inner * 1.18), tip);
            star.quadTo(polar(aTip + step * 0.3, inner * 1.15), valley);
        }
        star.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(star);
    };
    {
        QRadialGradient g(c, 120);
        g.setColorAt(0, QColor(255, 190, 70));
        g.setColorAt(0.5, QColor(236, 96, 18));
        g.setColorAt(0.8, QColor(176, 34, 10, 235));
        g.setColorAt(1.0, QColor(80, 16, 8, 60));
        flameStar(19, 62, 80, 118, g);
    }
    // Lumpy red-orange billows breaking up the star's outline.
    for (int i = 0; i < 26; ++i) {
        const double a = rng.range(0, tau);
        const double d = rng.range(48, 76);
        const double r = rng.range(13, 22);
        softBlob(p, polar(a, d), r, QColor(232, int(rng.range(70, 110)), 18, 225), 0.5);
    }
    {
        QRadialGradient g(c, 92);
        g.setColorAt(0, QColor(255, 240, 170));
        g.setColorAt(0.55, QColor(255, 160, 30));
        g.setColorAt(1.0, QColor(236, 80, 10, 40));
        flameStar(15, 46, 62, 92, g);
    }

    // Hotter fireballs towards the middle.
    for (int i = 0; i < 40; ++i) {
        const double a = rng.range(0, tau);
        const double d = rng.range(0, 58);
        const double r = rng.range(12, 26) * (1.0 - d / 160.0);
        const double heat = 1.0 - d / 70.0;
        const QColor col(255, int(130 + 105 * heat), int(20 + 110 * heat * heat), 190);
        softBlob(p, polar(a, d), r, col, 0.4);
    }

    // Sparks flung outwards.
    for (int i = 0; i < 24; ++i) {
        const double a = rng.range(0, tau);
        const double r0 = rng.range(56, 76);
        const double r1 = std::min(r0 + rng.range(24, 48), 122.0);
        const QPointF from = polar(a, r0), to = polar(a, r1);
        QLinearGradient g(from, to);
        g.setColorAt(0, QColor(255, 250, 200, 0));
        g.setColorAt(0.6, QColor(255, 236, 150, 235));
        g.setColorAt(1, QColor(255, 140, 40, 0));
        QPen pen = roundPen(Qt::black, rng.range(1.3, 2.5));
        pen.setBrush(g);
        p.setPen(pen);
        p.drawLine(from, to);
    }

    // White-hot core.
    {
        QRadialGradient g(c, 56);
        g.setColorAt(0, QColor(255, 255, 250, 255));
        g.setColorAt(0.25, QColor(255, 252, 210, 245));
        g.setColorAt(0.6, QColor(255, 220, 110, 140));
        g.setColorAt(1.0, QColor(255, 160, 40, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, 56, 56);
    }
}

// -------------------------------------------------------------------- sky

// A cumulus: overlapping soft blobs with smaller bumps on top, painted in a
// layer so its base can be cut flat and shaded grey like a real cloud.
void drawCloud(QPainter &p, Rng &rng, QPointF base, double width, double height)
{
    struct Blob { QPointF pos; double r; };
    std::vector<Blob> blobs;
    const int mainCount = int(6 + width / 50);
    for (int i = 0; i < mainCount; ++i) {
        const double u = std::clamp(-0.85 + 1.7 * i / (mainCount - 1) + rng.bipolar() * 0.12, -0.95, 0.95);
        const double dome = 1.0 - u * u;
        const double r = height * (0.22 + 0.46 * dome) * rng.range(0.75, 1.2);
        const double x = base.x() + u * width * 0.5;
        // Ends sit higher so the cloud's corners round off above the base.
        const double y = base.y() - r * (0.45 + 0.55 * (1.0 - dome)) - dome * height * 0.3 * rng.range(0.4, 1.1);
        blobs.push_back({QPointF(x, y), r});
    }
    const std::size_t mains = blobs.size();
    for (int i = 0; i < int(mains) * 2; ++i) {
        const Blob &parent = blobs[std::size_t(rng.range(0, double(mains) - 0.001))];
        const double a = rng.range(-2.6, -0.55);
        const double r = parent.r * rng.range(0.38, 0.65);
        const QPointF pos = parent.pos + QPointF(std::cos(a), std::sin(a)) * (parent.r * rng.range(0.5, 0.8));
        blobs.push_back({pos, r});
    }

    // Layer bounds in scene units and its resolution in device pixels.
    const QRectF box(base.x() - width * 0.5 - height, base.y() - height * 2.2,
                     width + 2 * height, height * 2.6);
    const double scale = p.deviceTransform().m11();
    QImage layer(int(std::ceil(box.width() * scale)), int(std::ceil(box.height() * scale)),
                 QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter q(&layer);
        q.setRenderHint(QPainter::Antialiasing);
        q.scale(scale, scale);
        q.translate(-box.topLeft());
        for (const Blob &b : blobs)
            softBlob(q, b.pos + QPointF(0, b.r * 0.2), b.r * 1.04, QColor(196, 210, 228, 245), 0.55);
        for (const Blob &b : blobs)
            softBlob(q, b.pos - QPointF(0, b.r * 0.12), b.r * 0.94, QColor(255, 255, 255, 250), 0.7);
        for (const Blob &b : blobs)
            softBlob(q, b.pos - QPointF(b.r * 0.18, b.r * 0.38), b.r * 0.5, QColor(255, 255, 252, 170), 0.3);

        // Grey-blue belly, then a soft flat cut along the base line.
        q.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        QLinearGradient belly(QPointF(0, base.y() - height * 0.75), QPointF(0, base.y()));
        belly.setColorAt(0, QColor(150, 170, 200, 0));
        belly.setColorAt(1, QColor(150, 170, 200, 170));
        q.fillRect(box, belly);
        q.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient cut(QPointF(0, base.y() - height * 0.22), QPointF(0, base.y() + height * 0.12));
        cut.setColorAt(0, QColor(0, 0, 0, 255));
        cut.setColorAt(1, QColor(0, 0, 0, 0));
        q.fillRect(box, cut);
    }
    p.drawImage(box, layer);
}

// A thin, stretched wisp of high cloud.
void drawWisp(QPainter &p, QPointF centre, double width, double height, int alpha)
{
    p.save();
    p.translate(centre);
    p.scale(width / height, 1.0);
    softBlob(p, QPointF(0, 0), height, QColor(255, 255, 255, alpha), 0.15);
    p.restore();
}

void drawSkyGradient(QPainter &p, const QRectF &r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, QColor(34, 98, 190));
    g.setColorAt(0.5, QColor(96, 160, 228));
    g.setColorAt(1.0, QColor(196, 226, 248));
    p.fillRect(r, g);
}

void drawSky(QPainter &p)
{
    const QRectF r(0, 0, 1280, 800);
    drawSkyGradient(p, r);
    // Gentle glow of a sun off the top-left corner.
    softBlob(p, QPointF(120, -40), 420, QColor(255, 250, 225, 90), 0.0);

    Rng rng(777);
    // High wisps: a few thin streaks offset from each other.
    auto cirrus = [&](QPointF at, double length) {
        for (int i = 0; i < 4; ++i) {
            const QPointF pos = at + QPointF(rng.bipolar() * 0.3 * length, rng.bipolar() * 10);
            drawWisp(p, pos, length * rng.range(0.35, 0.7), rng.range(5, 10), int(rng.range(35, 65)));
        }
    };
    cirrus(QPointF(330, 110), 300);
    cirrus(QPointF(1000, 80), 320);

    struct C { double x, y, w, h; };
    const C clouds[] = {
        {180, 300, 300, 110}, {640, 190, 180, 66}, {1080, 330, 360, 125},
        {420, 520, 380, 130}, {900, 610, 300, 105}, {110, 700, 280, 100},
        {1230, 760, 200, 75}, {660, 790, 340, 115},
    };
    for (const C &c : clouds)
        drawCloud(p, rng, QPointF(c.x, c.y), c.w, c.h);
}

// -------------------------------------------------------------------- dog

void drawDogScene(QPainter &p)
{
    const QRectF r(0, 0, 1000, 650);
    Rng rng(9001);
    drawSkyGradient(p, QRectF(0, 0, 1000, 520));

    // Sun.
    softBlob(p, QPointF(860, 110), 160, QColor(255, 246, 200, 120), 0.0);
    {
        QRadialGradient g(QPointF(850, 100), 56);
        g.setColorAt(0, QColor(255, 252, 220));
        g.setColorAt(0.8, QColor(255, 226, 90));
        g.setColorAt(1, QColor(255, 200, 60));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(860, 110), 52, 52);
    }
    drawCloud(p, rng, QPointF(150, 170), 260, 90);
    drawCloud(p, rng, QPointF(620, 120), 200, 70);
    drawCloud(p, rng, QPointF(960, 300), 220, 80);

    // Rolling hills.
    QPainterPath far;
    far.moveTo(0, 430);
    far.cubicTo(200, 360, 380, 400, 520, 410);
    far.cubicTo(700, 420, 820, 350, 1000, 390);
    far.lineTo(1000, 650);
    far.lineTo(0, 650);
    far.closeSubpath();
    {
        QLinearGradient g(QPointF(0, 360), QPointF(0, 520));
        g.setColorAt(0, QColor(150, 206, 110));
        g.setColorAt(1, QColor(104, 170, 78));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(far);
    }
    QPainterPath near;
    near.moveTo(0, 500);
    near.cubicTo(260, 450, 600, 470, 1000, 480);
    near.lineTo(1000, 650);
    near.lineTo(0, 650);
    near.closeSubpath();
    {
        QLinearGradient g(QPointF(0, 460), QPointF(0, 650));
        g.setColorAt(0, QColor(112, 190, 72));
        g.setColorAt(1, QColor(62, 138, 44));
        p.setBrush(g);
        p.drawPath(near);
    }
    // Grass blades.
    for (int i = 0; i < 900; ++i) {
        const double x = rng.range(-10, 1010);
        const double y = rng.range(495, 660);
        const double h = rng.range(8, 20) * (0.6 + (y - 480) / 250.0);
        const double lean = rng.bipolar() * 6;
        const int g = int(rng.range(120, 200));
        p.setPen(roundPen(QColor(int(g * 0.45), g, int(g * 0.3), 200), rng.range(1.2, 2.4)));
        QPainterPath blade;
        blade.moveTo(x, y);
        blade.quadTo(x + lean * 0.3, y - h * 0.6, x + lean, y - h);
        p.drawPath(blade);
    }
    // Little flowers.
    for (int i = 0; i < 40; ++i) {
        const QPointF at(rng.range(20, 980), rng.range(510, 640));
        if (std::abs(at.x() - 500) < 250 && at.y() < 630)
            continue;
        const QColor petals[] = {QColor(255, 255, 255), QColor(255, 220, 60), QColor(255, 150, 190)};
        const QColor col = petals[i % 3];
        const double s = rng.range(3.0, 5.0);
        p.setPen(Qt::NoPen);
        p.setBrush(col);
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * std::numbers::pi / 5;
            p.drawEllipse(at + QPointF(std::cos(a), std::sin(a)) * s, s * 0.75, s * 0.75);
        }
        p.setBrush(QColor(250, 180, 30));
        p.drawEllipse(at, s * 0.6, s * 0.6);
    }

    // ---- the dog ----
    const QColor ink(66, 38, 18);
    const QColor fur(216, 160, 92);
    const QColor furDark(176, 116, 58);
    const QColor cream(250, 232, 196);
    const QColor earCol(124, 72, 36);
    const double lw = 5.0;

    auto furBrush = [&](QPointF centre, double radius) {
        QRadialGradient g(centre + QPointF(-radius * 0.25, -radius * 0.35), radius * 1.2);
        g.setColorAt(0, QColor(236, 188, 124));
        g.setColorAt(0.6, fur);
        g.setColorAt(1, furDark);
        return QBrush(g);
    };

    // Shadow on the grass.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 70, 20, 90));
    p.drawEllipse(QPointF(510, 612), 250, 30);

    // Wagging tail behind the body.
    {
        QPainterPath tail;
        tail.moveTo(600, 560);
        tail.cubicTo(680, 560, 720, 520, 730, 440);
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(ink, 34));
        p.drawPath(tail);
        p.setPen(roundPen(fur, 24));
        p.drawPath(tail);
        p.setPen(roundPen(cream, 14));
        p.drawLine(QPointF(730, 448), QPointF(730, 444));
        // Motion marks for the wag.
        p.setPen(roundPen(QColor(255, 255, 255, 200), 4));
        p.drawArc(QRectF(735, 400, 60, 60), 10 * 16, 60 * 16);
        p.drawArc(QRectF(745, 390, 80, 80), 10 * 16, 55 * 16);
    }

    // Body, sitting.
    QPainterPath body;
    body.moveTo(440, 360);
    body.cubicTo(390, 420, 360, 500, 380, 590);
    body.lineTo(620, 590);
    body.cubicTo(640, 500, 610, 420, 560, 360);
    body.closeSubpath();
    p.setPen(roundPen(ink, lw));
    p.setBrush(furBrush(QPointF(500, 470), 150));
    p.drawPath(body);

    // Hind legs folded at the sides.
    auto haunch = [&](QPainter &q) {
        q.setPen(roundPen(ink, lw));
        q.setBrush(furBrush(QPointF(405, 540), 80));
        q.drawEllipse(QPointF(405, 545), 62, 55);
        q.setBrush(cream);
        q.drawEllipse(QPointF(372, 598), 42, 18);
        q.setPen(roundPen(ink, 3));
        q.drawLine(QPointF(360, 590), QPointF(360, 606));
        q.drawLine(QPointF(378, 590), QPointF(378, 608));
    };
    haunch(p);
    mirrored(p, 500, haunch);

    // Cream chest.
    p.setPen(Qt::NoPen);
    p.setBrush(cream);
    p.drawEllipse(QPointF(500, 450), 62, 88);

    // Front legs and paws.
    auto frontLeg = [&](QPainter &q) {
        QLinearGradient g(QPointF(446, 0), QPointF(490, 0));
        g.setColorAt(0, furDark);
        g.setColorAt(0.4, fur);
        g.setColorAt(1, QColor(230, 178, 112));
        q.setPen(roundPen(ink, lw));
        q.setBrush(g);
        q.drawRoundedRect(QRectF(446, 450, 44, 145), 22, 22);
        q.setBrush(cream);
        q.drawEllipse(QPointF(466, 596), 34, 18);
        q.setPen(roundPen(ink, 3));
        q.drawLine(QPointF(456, 588), QPointF(456, 606));
        q.drawLine(QPointF(476, 588), QPointF(476, 606));
    };
    frontLeg(p);
    mirrored(p, 500, frontLeg);

    // Red collar with a gold tag.
    {
        QPainterPath collar;
        collar.moveTo(420, 340);
        collar.quadTo(500, 385, 580, 340);
        collar.lineTo(584, 362);
        collar.quadTo(500, 408, 416, 362);
        collar.closeSubpath();
        p.setPen(roundPen(ink, 4));
        p.setBrush(QColor(220, 40, 50));
        p.drawPath(collar);
        QRadialGradient g(QPointF(494, 398), 18);
        g.setColorAt(0, QColor(255, 240, 150));
        g.setColorAt(1, QColor(210, 150, 30));
        p.setBrush(g);
        p.drawEllipse(QPointF(500, 404), 15, 15);
    }

    // Head.
    const QPointF hc(500, 232);
    QPainterPath head;
    head.moveTo(500, 98);
    head.cubicTo(600, 98, 650, 160, 648, 240);
    head.cubicTo(646, 320, 590, 360, 500, 360);
    head.cubicTo(410, 360, 354, 320, 352, 240);
    head.cubicTo(350, 160, 400, 98, 500, 98);
    p.setPen(roundPen(ink, lw));
    p.setBrush(furBrush(hc, 160));
    p.drawPath(head);

    // Patch around the right eye gives some character.
    p.save();
    p.setClipPath(head);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 90, 44));
    QPainterPath patch;
    patch.moveTo(548, 148);
    patch.cubicTo(600, 140, 628, 190, 612, 238);
    patch.cubicTo(596, 272, 540, 262, 526, 228);
    patch.cubicTo(514, 196, 520, 156, 548, 148);
    p.drawPath(patch);
    p.restore();

    // Floppy ears hanging at the sides.
    auto ear = [&](QPainter &q) {
        QPainterPath e;
        e.moveTo(408, 118);
        e.cubicTo(360, 110, 318, 160, 312, 230);
        e.cubicTo(306, 300, 330, 350, 362, 346);
        e.cubicTo(392, 342, 400, 290, 398, 240);
        e.cubicTo(396, 190, 420, 150, 430, 130);
        e.closeSubpath();
        QLinearGradient g(QPointF(312, 0), QPointF(420, 0));
        g.setColorAt(0, QColor(92, 50, 24));
        g.setColorAt(0.6, earCol);
        g.setColorAt(1, QColor(150, 92, 48));
        q.setPen(roundPen(ink, lw));
        q.setBrush(g);
        q.drawPath(e);
        q.setPen(roundPen(QColor(80, 44, 20, 160), 3));
        q.setBrush(Qt::NoBrush);
        QPainterPath fold;
        fold.moveTo(380, 150);
        fold.cubicTo(350, 200, 345, 270, 360, 320);
        q.drawPath(fold);
    };
    ear(p);
    p.save();
    // The other ear flops at a slightly different angle.
    p.translate(1000, 0);
    p.scale(-1, 1);
    p.translate(500, 120);
    p.rotate(-8);
    p.translate(-500, -120);
    ear(p);
    p.restore();

    // Eyes with shine.
    auto eye = [&](QPointF at, double lookX) {
        p.setPen(roundPen(ink, 3.5));
        p.setBrush(Qt::white);
        p.drawEllipse(at, 27, 31);
        p.setPen(Qt::NoPen);
        QRadialGradient g(at + QPointF(lookX, 2), 20);
        g.setColorAt(0, QColor(120, 70, 30));
        g.setColorAt(1, QColor(60, 30, 10));
        p.setBrush(g);
        p.drawEllipse(at + QPointF(lookX, 4), 19, 21);
        p.setBrush(QColor(15, 8, 4));
        p.drawEllipse(at + QPointF(lookX, 5), 12, 13);
        p.setBrush(Qt::white);
        p.drawEllipse(at + QPointF(lookX - 6, -4), 6.5, 6.5);
        p.drawEllipse(at + QPointF(lookX + 5, 11), 3, 3);
    };
    eye(QPointF(448, 208), 3);
    eye(QPointF(552, 208), -3);
    // Happy eyebrows.
    p.setPen(roundPen(ink, 5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(420, 158, 50, 24), 30 * 16, 120 * 16);
    p.drawArc(QRectF(530, 158, 50, 24), 30 * 16, 120 * 16);

    // Muzzle.
    p.setPen(roundPen(QColor(66, 38, 18, 120), 2.5));
    p.setBrush(cream);
    p.drawEllipse(QPointF(500, 292), 82, 56);

    // Pink cheeks.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 130, 140, 70));
    p.drawEllipse(QPointF(410, 280), 24, 14);
    p.drawEllipse(QPointF(590, 280), 24, 14);

    // Open mouth and tongue.
    QPainterPath mouth;
    mouth.moveTo(452, 300);
    mouth.quadTo(500, 312, 548, 300);
    mouth.quadTo(540, 348, 500, 350);
    mouth.quadTo(460, 348, 452, 300);
    mouth.closeSubpath();
    p.setPen(roundPen(ink, 4));
    p.setBrush(QColor(120, 30, 30));
    p.drawPath(mouth);
    QPainterPath tongue;
    tongue.moveTo(472, 318);
    tongue.quadTo(500, 308, 528, 318);
    tongue.cubicTo(534, 360, 526, 392, 500, 392);
    tongue.cubicTo(474, 392, 466, 360, 472, 318);
    tongue.closeSubpath();
    {
        QLinearGradient g(QPointF(0, 318), QPointF(0, 392));
        g.setColorAt(0, QColor(226, 80, 100));
        g.setColorAt(1, QColor(255, 130, 150));
        p.setPen(roundPen(ink, 3.5));
        p.setBrush(g);
        p.drawPath(tongue);
    }
    p.setPen(roundPen(QColor(190, 60, 80), 3));
    p.drawLine(QPointF(500, 326), QPointF(500, 368));
    // Smile line from nose.
    p.setPen(roundPen(ink, 4.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath smile;
    smile.moveTo(500, 268);
    smile.lineTo(500, 292);
    smile.moveTo(444, 292);
    smile.quadTo(470, 316, 500, 292);
    smile.quadTo(530, 316, 556, 292);
    p.drawPath(smile);

    // Nose.
    QPainterPath nose;
    nose.moveTo(476, 252);
    nose.cubicTo(476, 236, 524, 236, 524, 252);
    nose.cubicTo(524, 266, 510, 274, 500, 274);
    nose.cubicTo(490, 274, 476, 266, 476, 252);
    {
        QRadialGradient g(QPointF(494, 248), 26);
        g.setColorAt(0, QColor(80, 60, 56));
        g.setColorAt(1, QColor(18, 12, 10));
        p.setPen(roundPen(QColor(10, 6, 4), 2));
        p.setBrush(g);
        p.drawPath(nose);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(QPointF(491, 247), 8, 4.5);
    }
    Q_UNUSED(r);
}

// ------------------------------------------------------------------- icon

void drawIcon(QPainter &p)
{
    {
        QRadialGradient g(QPointF(50, 40), 110);
        g.setColorAt(0, QColor(150, 210, 250));
        g.setColorAt(0.6, QColor(70, 150, 225));
        g.setColorAt(1, QColor(28, 92, 180));
        p.fillRect(QRectF(0, 0, 128, 128), g);
    }
    Rng rng(55);
    drawCloud(p, rng, QPointF(30, 120), 70, 26);
    drawCloud(p, rng, QPointF(108, 126), 60, 22);

    const QPointF c(64, 64);
    // Crosshair: white halo under red lines for contrast.
    auto crosshair = [&](const QPen &pen) {
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 47, 47);
        p.drawEllipse(c, 20, 20);
        p.drawLine(QPointF(c.x(), 6), QPointF(c.x(), 30));
        p.drawLine(QPointF(c.x(), 98), QPointF(c.x(), 122));
        p.drawLine(QPointF(6, c.y()), QPointF(30, c.y()));
        p.drawLine(QPointF(98, c.y()), QPointF(122, c.y()));
    };
    crosshair(roundPen(QColor(255, 255, 255, 200), 6.5));
    crosshair(roundPen(QColor(214, 30, 36), 3.5));

    // Hornet in a layer so it can cast a soft shadow.
    const int scale = 4;
    QImage layer(128 * scale, 128 * scale, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter q(&layer);
        q.setRenderHint(QPainter::Antialiasing);
        q.scale(scale, scale);
        q.translate(c);
        q.rotate(-18);
        q.scale(1.0, 1.0);
        q.translate(-32, -46);
        drawHornet(q);
    }
    QImage shadow = layer;
    {
        QPainter q(&shadow);
        q.setCompositionMode(QPainter::CompositionMode_SourceIn);
        q.fillRect(shadow.rect(), QColor(10, 30, 60, 90));
    }
    p.save();
    p.scale(1.0 / scale, 1.0 / scale);
    p.drawImage(QPointF(3 * scale, 4 * scale), shadow);
    p.drawImage(QPointF(0, 0), layer);
    p.restore();
}

} // namespace

bool writePictures(const QString &outDir)
{
    const QDir dir(outDir);
    bool ok = true;
    ok = save(renderSupersampled(64, 86, 8, drawHornet), dir.filePath("Frelon_64x86.png"), "PNG") && ok;
    ok = save(renderSupersampled(136, 48, 8, drawGun), dir.filePath("Gun.png"), "PNG") && ok;
    ok = save(renderSupersampled(256, 256, 2, drawExplosion), dir.filePath("Explosion_256x256.png"), "PNG") && ok;
    ok = save(renderSupersampled(1280, 800, 1, drawSky), dir.filePath("Ciel.jpg"), "JPG", 90) && ok;
    ok = save(renderSupersampled(1000, 650, 2, drawDogScene), dir.filePath("A Dog.jpg"), "JPG", 90) && ok;
    ok = save(renderSupersampled(128, 128, 4, drawIcon), dir.filePath("Icon128.jpg"), "JPG", 95) && ok;
    return ok;
}

} // namespace mediagen
