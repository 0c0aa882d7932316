#include "app/Trace.h"

#include <charconv>

#include "enemies/Explosion.h"
#include "enemies/Pod.h"
#include "enemies/Raider.h"
#include "game/Cursor.h"
#include "game/Game.h"
#include "player/AlzBullet.h"
#include "player/Corvane.h"
#include "player/VoskBullet.h"
#include "world/BackgroundObject.h"
#include "world/Camera.h"

namespace session {

namespace {

// A small JSON writer for the trace's shapes: numbers, bools, pairs and rectangles.
class Json {
public:
    explicit Json(std::string& out) : out(out) {}

    Json& key(const char* name) {
        comma();
        out += '"';
        out += name;
        out += "\":";
        fresh = true;
        return *this;
    }
    Json& number(long long value) {
        comma();
        char digits[24];
        const auto [end, failure] = std::to_chars(digits, digits + sizeof digits, value);
        (void)failure;
        out.append(digits, end);
        return *this;
    }
    Json& boolean(bool value) {
        comma();
        out += value ? "true" : "false";
        return *this;
    }
    Json& text(const char* value) {
        comma();
        out += '"';
        out += value;
        out += '"';
        return *this;
    }
    Json& null() {
        comma();
        out += "null";
        return *this;
    }
    Json& point(platform::Point p) { return open('[').number(p.x).number(p.y).close(']'); }
    Json& rect(const platform::Rect& r) {
        return open('[').number(r.left).number(r.top).number(r.right).number(r.bottom).close(']');
    }
    Json& open(char bracket) {
        comma();
        out += bracket;
        fresh = true;
        return *this;
    }
    Json& close(char bracket) {
        out += bracket;
        fresh = false;
        return *this;
    }

private:
    void comma() {
        if (!fresh) out += ',';
        fresh = false;
    }

    std::string& out;
    bool fresh = true;
};

template <typename Bullet>
void bullets(Json& j, const char* name, const std::vector<std::unique_ptr<Bullet>>& pool) {
    j.key(name).open('[');
    for (const auto& b : pool) {
        const platform::Point p = b->getLocation();
        j.open('{').key("x").number(p.x).key("y").number(p.y);
        j.key("active").boolean(b->isActive()).key("age").number(b->getAge()).close('}');
    }
    j.close(']');
}

}  // namespace

void appendTraceLine(std::string& out, std::uint64_t pass, std::uint32_t tick, const Game& game) {
    Json j(out);
    j.open('{');
    j.key("frame").number(static_cast<long long>(pass)).key("tick").number(tick);
    j.key("mode").number(game.getMode()).key("phase").number(game.getPhase());
    j.key("nextMode").number(game.getNextMode());
    j.key("mouse").point(game.getMouseLocation());

    j.key("camera");
    if (const Camera* camera = game.getCamera()) {
        j.open('{').key("view").rect(camera->getView());
        j.key("velocity").point(camera->getVelocity()).close('}');
    } else {
        j.null();
    }

    j.key("player");
    if (const Corvane* p = game.getPlayer()) {
        const platform::Point at = p->getLocation();
        j.open('{').key("x").number(at.x).key("y").number(at.y);
        j.key("rect").rect(p->getWorldRect()).key("velocity").point(p->getVelocity());
        j.key("mode").number(p->getMode()).key("facing").number(p->getFacing());
        j.key("health").number(p->getHealth()).key("alive").boolean(p->isAlive());
        j.key("visible").boolean(p->isVisible());
        j.key("shootDirection").number(p->getShootDirection());
        j.key("fireRequest").boolean(p->getFireRequest());
        j.key("fireNow").boolean(p->weaponFired()).close('}');
    } else {
        j.null();
    }

    j.key("pods").open('[');
    for (const auto& pod : game.getPods()) {
        const platform::Point at = pod->getLocation();
        j.open('{').key("kind").text(dynamic_cast<const Raider*>(pod.get()) ? "raider" : "drone");
        j.key("x").number(at.x).key("y").number(at.y).key("velocity").point(pod->getVelocity());
        j.key("alive").boolean(pod->isAlive()).key("firing").boolean(pod->isFiring()).close('}');
    }
    j.close(']');

    j.key("ships").open('[');
    for (const auto& ship : game.getBackgroundObjects()) {
        const platform::Point at = ship->getLocation();
        j.open('{').key("x").number(at.x).key("y").number(at.y);
        j.key("rect").rect(ship->getWorldRect()).close('}');
    }
    j.close(']');

    bullets(j, "playerBullets", game.getPlayerBullets());
    bullets(j, "enemyBullets", game.getEnemyBullets());

    j.key("explosions").open('[');
    for (const auto& e : game.getExplosions()) {
        const platform::Point at = e->getLocation();
        j.open('{').key("x").number(at.x).key("y").number(at.y);
        j.key("active").boolean(e->isActive()).key("frame").number(e->getFrame());
        j.key("endsBattle").boolean(e->getEndsBattle()).close('}');
    }
    j.close(']');

    j.key("cursor");
    if (const Cursor* cursor = game.getCursor()) {
        j.point(cursor->getPosition());
    } else {
        j.null();
    }
    j.close('}');
    out += '\n';
}

std::unique_ptr<TraceFile> TraceFile::create(const std::string& file) {
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (out == nullptr) return nullptr;
    return std::unique_ptr<TraceFile>(new TraceFile(out));
}

TraceFile::~TraceFile() {
    close();
}

void TraceFile::write(std::uint64_t pass, std::uint32_t tick, const Game& game) {
    line.clear();
    appendTraceLine(line, pass, tick, game);
    std::fwrite(line.data(), 1, line.size(), out);
}

bool TraceFile::close() {
    if (out == nullptr) return true;
    const bool written = std::ferror(out) == 0 && std::fclose(out) == 0;
    out = nullptr;
    return written;
}

}  // namespace session
