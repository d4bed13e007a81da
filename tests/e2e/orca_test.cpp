// The real screen reader: Orca, with speech-dispatcher's dummy output module and a private home,
// under its own D-Bus session (run by dbus-run-session), Xvfb and openbox without its key
// bindings (they take Shift+Alt+arrows, Orca's table keys). Orca writes its debug log to a
// terminal, to which Python writes a line at a time; what it speaks is read from the log's
// speech lines. XTEST keys play as a blind player would.
// GoogleTest and the game's headers come before Xlib, whose macros (None, Bool) clash with them.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <pty.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <utility>

#include "game/words.h"
#include "model/moves.h"
#include "model/solver.h"
// After the game's headers:
#include "hearing.h"
#include "x_session.h"

namespace quandrel::e2e {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Within this of a key, its answer is spoken.
constexpr auto kAnswered = 2s;

void Write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text;
}

// "SPEECH OUTPUT: 'wide block, left part, column 1, row 1.'{...}" says what is between the
// quotes, without the full stop Orca adds.
std::string Spoken(const std::string& line) {
    static const std::string kSpeech = "SPEECH OUTPUT: '";
    const std::size_t start = line.find(kSpeech);
    if (start == std::string::npos) return {};
    std::string said = line.substr(start + kSpeech.size());
    const std::size_t end = said.rfind("'{");  // then Orca's voice settings
    said = said.substr(0, end != std::string::npos ? end : said.rfind('\''));
    while (!said.empty() && (said.back() == '.' || said.back() == ' ')) said.pop_back();
    return said;
}

// A private home for Orca and speech-dispatcher, and openbox's settings without key bindings.
fs::path PrivateHome() {
    const fs::path home = fs::path(::testing::TempDir()) / "orca-home";
    fs::remove_all(home);
    Write(home / ".config/speech-dispatcher/speechd.conf",
          "AddModule \"dummy\" \"sd_dummy\" \"\"\nDefaultModule dummy\n"
          "AudioOutputMethod \"libao\"\n");  // no sound server: libao's null output
    Write(home / ".config/openbox/rc.xml",
          "<?xml version=\"1.0\"?>\n<openbox_config xmlns=\"http://openbox.org/3.4/rc\">"
          "<keyboard></keyboard><mouse></mouse></openbox_config>\n");
    fs::create_directories(home / "run");
    fs::permissions(home / "run", fs::perms::owner_all);
    const std::pair<const char*, const char*> places[] = {
        {"HOME", ""},
        {"XDG_CONFIG_HOME", "/.config"},
        {"XDG_DATA_HOME", "/.local/share"},
        {"XDG_CACHE_HOME", "/.cache"},
        {"XDG_RUNTIME_DIR", "/run"},
    };
    for (const auto& [name, place] : places) setenv(name, (home.string() + place).c_str(), 1);
    setenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1", 1);
    return home;
}

// A terminal whose output is copied to a file as it comes.
class Terminal {
  public:
    explicit Terminal(const std::string& file) {
        int terminal = -1;
        if (openpty(&master_, &terminal, nullptr, nullptr, nullptr) != 0) {
            throw std::runtime_error("openpty");
        }
        termios raw{};
        tcgetattr(terminal, &raw);
        cfmakeraw(&raw);
        tcsetattr(terminal, TCSANOW, &raw);
        path_ = ttyname(terminal);
        terminal_ = terminal;
        copier_ = std::thread([this, file] {
            std::ofstream out(file, std::ios::binary);
            char buffer[4096];
            for (ssize_t n; (n = read(master_, buffer, sizeof buffer)) > 0;) {
                out.write(buffer, n);
                out.flush();
            }
        });
    }
    ~Terminal() {
        close(terminal_);  // the copier reads to the end, then fails
        copier_.join();
        close(master_);
    }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    const std::string& path() const { return path_; }

  private:
    int master_ = -1;
    int terminal_ = -1;
    std::string path_;
    std::thread copier_;
};

class Orca : public ::testing::Test {
  protected:
    Orca()
        : home_(PrivateHome()),
          server_({"openbox", "--sm-disable", "--config-file",
                   (home_ / ".config/openbox/rc.xml").string()}),
          log_((home_ / "orca.log").string()),
          terminal_(log_),
          orca_({"orca", "--debug-file=" + terminal_.path()}, server_.name()),
          speech_(log_, Spoken) {}

    void SetUp() override {
        ASSERT_NE(std::getenv("DBUS_SESSION_BUS_ADDRESS"), nullptr) << "run dbus-run-session";
        ASSERT_TRUE(speech_.Hears("Screen reader on", 60s)) << speech_.All();
    }

    Display* display() { return server_.display(); }
    // Taps `key`, with a modifier held a moment first, as a hand does: Orca hears the modifier
    // before the key.
    void Press(const char* key, const char* held = nullptr) {
        if (held != nullptr) {
            Key(display(), held, true);
            Settle(display(), 200);
        }
        Tap(display(), key);
        if (held != nullptr) {
            Settle(display(), 200);
            Key(display(), held, false);
        }
        Settle(display(), 50);
    }
    // Expects each of `lines` spoken, in any order, within `within` of now.
    void ExpectSpoken(const std::vector<std::string>& lines, std::chrono::milliseconds within) {
        const std::vector<std::string> missing = speech_.HearsAll(lines, within);
        EXPECT_TRUE(missing.empty()) << "not spoken: " << missing.front();
    }

    // A box opened from the Help menu: the keys after Alt+H, and what Orca reads of it.
    struct Box {
        const char* how;
        std::vector<const char*> keys;
        std::vector<std::string> spoken;
    };
    // A key and what it answers.
    struct Answer {
        const char* key;
        std::vector<std::string> spoken;
    };
    // Opens and closes each box: it is read, closing it says `back` and nothing that holds
    // `stale`, and then the keys `after` are the game's.
    void HearBoxes(const std::vector<Box>& boxes, const std::vector<std::string>& back,
                   const std::string& stale, const std::vector<Answer>& after) {
        for (const Box& box : boxes) {
            SCOPED_TRACE(box.how);
            Press("h", "Alt_L");
            for (const char* key : box.keys) Press(key);
            ExpectSpoken(box.spoken, 5s);
            const std::size_t closing = speech_.All().size();
            Press("Return");
            ExpectSpoken(back, 5s);
            for (const Answer& answer : after) {
                Press(answer.key);
                ExpectSpoken(answer.spoken, kAnswered);
            }
            EXPECT_EQ(speech_.All().find("SPEECH OUTPUT: '" + stale, closing), std::string::npos)
                << "nothing stale after the box";
        }
    }

    fs::path home_;
    XServer server_;
    std::string log_;
    Terminal terminal_;  // ends after Orca
    Child orca_;
    Hearing speech_;
};

// What Orca says of a line the game tells on Qt: a focused cell's name; words to speak come as
// a notification; a renamed cell that has no focus is not spoken.
std::string OnQt(const std::string& told) {
    if (told.rfind("focus ", 0) == 0) return told.substr(6);
    if (told.rfind("say ", 0) == 0) return "notification " + told.substr(4);
    return {};
}

TEST_F(Orca, APlayerHearsEveryKeyAndEveryBoxOnQt) {
    Program game(server_, {QUANDREL_BINARY});
    ExpectSpoken({"Quandrel board", "table with 4 rows 5 columns"}, 30s);

    PlayHeardScenario(
        [this](const char* key, bool shift) { Press(key, shift ? "Shift_L" : nullptr); }, speech_,
        OnQt, kAnswered);
    // The cursor is on the empty cell (3, 1), where the single block was.
    const std::string cursor = "empty, column 4, row 2";
    Press("Tab");
    ExpectSpoken({"Trace text"}, kAnswered);
    Press("Tab", "Shift_L");
    ExpectSpoken({"Quandrel board", cursor}, kAnswered);

    HearBoxes({{"Object by its access key",
                {"o"},
                {"alert Object", "The object is to get the large block to the other side"}},
               {"Solution by arrows", {"Down", "Down", "Return"}, {"alert There Is No Help"}},
               {"About by Enter", {"Return"}, {"alert About Quandrel1"}}},
              {"Quandrel board", cursor}, "notification",
              {{"Right", {"single block, column 5, row 2"}}, {"Left", {cursor}}});
}

TEST_F(Orca, APlayerWhoPlansFromSpeechAlonePlaysALongGameOnQt) {
    Program game(server_, {QUANDREL_BINARY});
    ExpectSpoken({"Quandrel board"}, 30s);
    const auto solution = ShortestSolution(InitialLayout(), Goal::Object, Metric::Steps);
    ASSERT_TRUE(solution.has_value());
    Press("Left");  // shows the cursor at (0, 0)
    ExpectSpoken({"wide block, left part, column 1, row 1"}, kAnswered);
    int steps = 0;
    PlayWithArrows(
        *solution, [this](const char* key, bool shift) { Press(key, shift ? "Shift_L" : nullptr); },
        [&](const quandrel::Move& step) {
            ExpectSpoken({std::string("notification ") +
                          StepAnnouncement(step.code, {step.DirX, step.DirY}, true)},
                         kAnswered);
            return ++steps < 24;
        });
    EXPECT_GE(steps, 24);
}

// What Orca says of a line the game tells in Chromium: the active cell's name (the grid adds the
// place that changed); the status region's words.
std::string InChromium(const std::string& told) {
    if (told.rfind("focus ", 0) == 0) return told.substr(6);
    if (told.rfind("say ", 0) == 0) return told.substr(4);
    return {};
}

// A free port on the loopback interface.
int FreePort() {
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    bind(probe, reinterpret_cast<sockaddr*>(&address), size);
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size);
    close(probe);
    return ntohs(address.sin_port);
}

TEST_F(Orca, APlayerHearsEveryKeyAndTheBoxesInChromium) {
    const char* site = std::getenv("QUANDREL_WEB_SITE");
    if (site == nullptr) GTEST_SKIP() << "no web build (QUANDREL_WEB_SITE)";
    const std::string port = std::to_string(FreePort());
    Child server({"python3", "-m", "http.server", port, "--bind", "127.0.0.1", "--directory", site},
                 "");
    Child chromium(
        {"chromium", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--force-renderer-accessibility", "--user-data-dir=" + (home_ / "chromium").string(),
         "--window-position=0,0", "--window-size=800,600", "http://127.0.0.1:" + port + "/"},
        server_.name());
    // The page gives the grid the focus once the game has started.
    ExpectSpoken({"Quandrel board", "table with 4 rows 5 columns"}, 60s);

    PlayHeardScenario(
        [this](const char* key, bool shift) { Press(key, shift ? "Shift_L" : nullptr); }, speech_,
        InChromium, kAnswered, false);
    HearBoxes({{"Object by its access key",
                {"o"},
                {"Object", "The object is to get the large block to the other side"}},
               {"Solution by arrows and Enter", {"Down", "Down", "Return"}, {"There Is No Help"}}},
              {"Quandrel board", "empty"}, "no block to move",
              {{"Right", {"single block", "column 5"}},
               {"Right", {"right edge"}},  // the arrows are the game's after the box
               {"Left", {"empty", "column 4"}}});
}

}  // namespace
}  // namespace quandrel::e2e
