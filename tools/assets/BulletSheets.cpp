#include "assets/Canvas.h"
#include "assets/Draw.h"
#include "assets/Pictures.h"

// The two shots: ours a white-hot streak in a cyan trail, the enemies' a magenta bead.
namespace assets {

platform::Bitmap drawAlzBullet() {
    Canvas canvas(alzBulletWidth, alzBulletHeight);
    cairo_t* cr = canvas.cr();
    const Vec2 centre{alzBulletWidth / 2.0, alzBulletHeight / 2.0};
    ovalGlow(cr, centre, alzBulletWidth / 2.0, alzBulletHeight / 2.0, 0, palette::shotCyan, 1.0);
    ellipse(cr, centre, alzBulletWidth / 2.0 - 2.5, 1.6);
    setColor(cr, palette::shotCyan);
    cairo_fill(cr);
    ellipse(cr, centre, alzBulletWidth / 2.0 - 4.5, 1.1);
    setColor(cr, palette::white);
    cairo_fill(cr);
    return canvas.bitmap();
}

platform::Bitmap drawVoskBullet() {
    Canvas canvas(voskBulletSize, voskBulletSize);
    cairo_t* cr = canvas.cr();
    const double r = voskBulletSize / 2.0;
    const Vec2 centre{r, r};
    glow(cr, centre, r, palette::enemyShotEdge, 1.0);
    ellipse(cr, centre, r - 1.8, r - 1.8);
    setColor(cr, palette::enemyShotCore);
    cairo_fill(cr);
    ellipse(cr, centre, 1.4, 1.4);
    setColor(cr, mix(palette::enemyShotCore, palette::white, 0.7));
    cairo_fill(cr);
    return canvas.bitmap();
}

}  // namespace assets
