// The studio server as the page uses it: `versalix4 studio` is started on a
// free port and spoken to over HTTP. Security refusals, error answers that
// leave the document alone, undo and redo, and a Warp drag that must equal
// `versalix4 tool Warp`; the program itself fails its exit code when a block
// of the host's allocator is left live at the end.
#include <gtest/gtest.h>
#include <httplib.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include <nlohmann/json.hpp>

#include "generated/resource_ids.h"
#include "support/app_runner.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using vx::test::ReadFile;
constexpr size_t kMaxBody = size_t(1) << 20;  // the studio's limit on request bodies

const fs::path kDocument = fs::path(VX_TEST_DATA_DIR) / "studio" / "doc.svg";

// One running studio on a copy of kDocument (paths a, b, c) in a folder of its own.
class Studio {
 public:
  explicit Studio(const fs::path& folder, const std::string& document = ReadFile(kDocument))
      : folder_(folder) {
    fs::create_directories(folder_ / "inside");
    std::ofstream(folder_ / "inside" / "doc.svg") << document;
    const std::string command = std::string(VX_APP_PATH) + " studio --no-browser --port 0 '" +
                                (folder_ / "inside" / "doc.svg").string() + "'";
    pipe_ = popen(command.c_str(), "r");
    char line[256] = {};
    if (!pipe_ || !std::fgets(line, sizeof line, pipe_)) return;
    int port = 0;
    char token[64] = {};
    if (std::sscanf(line, "VERSALiX4 Studio: http://127.0.0.1:%d/?token=%32s", &port, token) != 2)
      return;
    token_ = token;
    client_ = std::make_unique<httplib::Client>("127.0.0.1", port);
    client_->set_read_timeout(120, 0);
    port_ = port;
  }
  // Quits through the page's own request; answers the program's exit code.
  int Quit() {
    if (client_) Post("/api/quit", "{}");
    client_.reset();
    const int status = pipe_ ? pclose(pipe_) : -1;
    pipe_ = nullptr;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  ~Studio() {
    if (pipe_) Quit();
  }

  bool running() const { return client_ != nullptr; }
  int port() const { return port_; }
  const std::string& token() const { return token_; }
  httplib::Client& client() { return *client_; }
  httplib::Headers Headers() const { return {{"X-VX-Token", token_}}; }

  httplib::Result Post(const std::string& path, const std::string& body) {
    return client_->Post(path.c_str(), Headers(), body, "application/json");
  }
  // A POST that must succeed.
  json Do(const std::string& path, const json& body) {
    auto res = Post(path, body.dump());
    EXPECT_TRUE(res) << path;
    if (!res) return json();
    EXPECT_EQ(res->status, 200) << path << " " << body.dump() << ": " << res->body;
    return json::parse(res->body, nullptr, false);
  }
  std::string Svg() {
    auto res = client_->Get("/api/document.svg", Headers());
    return res ? res->body : std::string();
  }
  json State() {
    auto res = client_->Get("/api/state", Headers());
    return res ? json::parse(res->body, nullptr, false) : json();
  }

 private:
  fs::path folder_;
  FILE* pipe_ = nullptr;
  std::unique_ptr<httplib::Client> client_;
  std::string token_;
  int port_ = 0;
};

class StudioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    studio_ = std::make_unique<Studio>(folder_);
    ASSERT_TRUE(studio_->running());
  }
  void TearDown() override {
    // Exit code 0 also says that no block of the host's allocator was left.
    EXPECT_EQ(studio_->Quit(), 0);
  }
  const vx::test::ScratchFolder folder_{"vx-studio"};
  std::unique_ptr<Studio> studio_;
};

TEST_F(StudioTest, RefusesRequestsThatAreNotThePagesOwn) {
  const std::string self = "127.0.0.1:" + std::to_string(studio_->port());
  const std::string token = studio_->token();
  struct Case {
    const char* what;
    httplib::Headers headers;
    std::string path;
    int status;
  } cases[] = {
      {"no token", {}, "/api/state", 403},
      {"wrong token", {{"X-VX-Token", std::string(32, '0')}}, "/api/state", 403},
      {"wrong token in the address", {}, "/?token=" + std::string(32, 'f'), 403},
      {"page without token", {}, "/", 403},
      {"foreign origin", {{"X-VX-Token", token}, {"Origin", "http://evil.example"}}, "/api/state", 403},
      {"foreign host", {{"X-VX-Token", token}, {"Host", "evil.example:" + std::to_string(studio_->port())}}, "/api/state", 403},
      {"own origin", {{"X-VX-Token", token}, {"Origin", "http://" + self}}, "/api/state", 200},
      {"page with token", {}, "/?token=" + token, 200},
      {"localhost", {{"X-VX-Token", token}, {"Host", "localhost:" + std::to_string(studio_->port())}}, "/api/state", 200},
  };
  for (const Case& c : cases) {
    auto res = studio_->client().Get(c.path.c_str(), c.headers);
    ASSERT_TRUE(res) << c.what;
    EXPECT_EQ(res->status, c.status) << c.what;
  }
  // A POST from another origin changes nothing.
  const std::string before = studio_->Svg();
  auto res = studio_->client().Post("/api/undo", {{"Origin", "http://evil.example"}}, "{}",
                                    "application/json");
  ASSERT_TRUE(res);
  EXPECT_EQ(res->status, 403);
  EXPECT_EQ(studio_->Svg(), before);
}

TEST_F(StudioTest, BadRequestsAnswerAnErrorAndLeaveTheDocument) {
  const std::string before = studio_->Svg();
  ASSERT_NE(before.find("id=\"a\""), std::string::npos);
  // Each line of the file: the status, the path and the body; then a body
  // past the limit.
  struct Case {
    std::string path, body;
    int status;
  };
  std::vector<Case> cases;
  std::ifstream file(fs::path(VX_TEST_DATA_DIR) / "studio" / "bad_requests.txt");
  for (std::string line; std::getline(file, line);) {
    const size_t path = line.find(' ') + 1, body = line.find(' ', path) + 1;
    if (line[0] != '#') cases.push_back({line.substr(path, body - path - 1), line.substr(body), std::stoi(line)});
  }
  ASSERT_EQ(24u, cases.size());
  cases.push_back({"/api/select", std::string(kMaxBody + 1, ' '), 413});
  for (const auto& c : cases) {
    auto res = studio_->Post(c.path, c.body);
    ASSERT_TRUE(res) << c.path << " " << c.body.substr(0, 40);
    EXPECT_EQ(res->status, c.status) << c.path << " " << c.body.substr(0, 40) << ": " << res->body;
    if (res->status != 413) {
      EXPECT_TRUE(json::parse(res->body).contains("error")) << res->body;
    }
    EXPECT_EQ(studio_->Svg(), before) << c.path << " " << c.body.substr(0, 40);
  }
  EXPECT_FALSE(fs::exists(folder_ / "outside.svg"));
}

TEST_F(StudioTest, StateNamesThePluginsMenusToolsAndSelection) {
  studio_->Do("/api/select", {{"rect", {10, 10, 190, 90}}});
  const json state = studio_->State();
  EXPECT_EQ(state["selection"], json({"b", "a"}));  // topmost first
  const json bounds = state["selectionBounds"];
  ASSERT_EQ(bounds.size(), 4u);
  const double expected[] = {20, 20, 165, 80};  // right: the curve's extreme, 120 + 0.75 * 60
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(bounds[i].get<double>(), expected[i], 1e-3) << i;
  int filters = 0, window = 0, effects = 0;
  for (const json& m : state["menus"]) {
    filters += m["menu"] == "Filter";
    window += m["menu"] == "Window > VERSALiX4";
    effects += m["menu"] == "Effect > VERSALiX4";
  }
  EXPECT_EQ(filters, 2);
  EXPECT_EQ(effects, 1);  // the live Fractalize
  EXPECT_EQ(window, 15);  // thirteen effects, Show Palette, Help
  EXPECT_EQ(state["tools"].size(), 9u);
  studio_->Do("/api/select", {{"point", {100, 150}}, {"add", true}});
  EXPECT_EQ(studio_->State()["selection"], json({"c", "b", "a"}));
  // Documents and state go out uncompressed: compressing a large document
  // costs far more than sending it over the loopback address.
  for (const char* path : {"/api/document.svg", "/api/state"}) {
    auto res = studio_->client().Get(path, {{"X-VX-Token", studio_->token()}, {"Accept-Encoding", "br, gzip"}});
    ASSERT_TRUE(res);
    EXPECT_FALSE(res->has_header("Content-Encoding")) << path;
  }
  auto icon = studio_->client().Get("/api/icon/Warp.png", studio_->Headers());
  ASSERT_TRUE(icon);
  EXPECT_EQ(icon->status, 200);
  EXPECT_EQ(icon->body.substr(1, 3), "PNG");
}

TEST_F(StudioTest, WarpDragEqualsTheToolCommandAndUndoRedoRestoreBytes) {
  const fs::path input = folder_ / "inside" / "doc.svg";
  const std::string original = ReadFile(input);
  // The command line's drag: every top-level object selected.
  const auto run = vx::test::RunVersalix4(
      "tool Warp '" + input.string() + "' -o '" + (folder_ / "cli.svg").string() +
          "' --drag 50,50:90,70:110,60 --steps 3",
      folder_);
  ASSERT_EQ(run.exitCode, 0) << run.err;

  studio_->Do("/api/select", {{"ids", {"a", "b", "c"}}});
  studio_->Do("/api/tool", {{"name", "Warp"}});
  const double points[][2] = {{50, 50},     {60, 55},  {70, 60},   {80, 65}, {90, 70},
                              {95, 67.5}, {100, 65}, {105, 62.5}, {110, 60}};
  studio_->Do("/api/pointer", {{"event", "down"}, {"x", 50}, {"y", 50}});
  for (size_t i = 1; i < std::size(points); ++i)
    studio_->Do("/api/pointer", {{"event", "drag"}, {"x", points[i][0]}, {"y", points[i][1]}});
  studio_->Do("/api/pointer", {{"event", "up"}, {"x", 110}, {"y", 60}});
  studio_->Do("/api/tool", {{"name", ""}});
  studio_->Do("/api/saveas", {{"path", "studio.svg"}});
  const std::string warped = ReadFile(folder_ / "inside" / "studio.svg");
  EXPECT_EQ(warped, ReadFile(folder_ / "cli.svg"));
  EXPECT_NE(warped, original);

  studio_->Do("/api/undo", json::object());
  studio_->Do("/api/save", json::object());
  EXPECT_EQ(ReadFile(folder_ / "inside" / "studio.svg"), original);
  EXPECT_TRUE(studio_->State()["canRedo"].get<bool>());
  studio_->Do("/api/redo", json::object());
  studio_->Do("/api/save", json::object());
  EXPECT_EQ(ReadFile(folder_ / "inside" / "studio.svg"), warped);
}

TEST_F(StudioTest, ModalDialogTakesThePagesActionsAndEqualsThe3DCommand) {
  const fs::path input = folder_ / "inside" / "doc.svg";
  const auto run = vx::test::RunVersalix4("3d '" + input.string() + "' -o '" +
                                              (folder_ / "cli.svg").string() + "' --kind Sphere --cursor 30,30",
                                          folder_);
  ASSERT_EQ(run.exitCode, 0) << run.err;

  studio_->Do("/api/select", {{"ids", {"a", "b", "c"}}});
  // The command is answered as soon as its modal dialog is open.
  EXPECT_EQ(studio_->Do("/api/command", {{"command", "3D Transform..."}})["modal"], "VERSALiX 3D");
  const json dialogs = studio_->State()["dialogs"];
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_TRUE(dialogs[0]["modal"].get<bool>());
  const std::string preview = "/api/raster/VERSALiX%203D/3.png";
  auto raster = [&] { return studio_->client().Get(preview.c_str(), studio_->Headers())->body; };
  auto act = [&](const std::string& action, bool tracking) {
    studio_->Do("/api/dialog", {{"dialog", "VERSALiX 3D"}, {"action", action}, {"tracking", tracking}});
  };
  // The preview turns with the button still held, before the release.
  const std::string before = raster();
  act("drag 3=80,80:100,90", true);
  const std::string turned = raster();
  EXPECT_TRUE(turned != before);
  act("drag 3=100,90", false);  // the release (the preview then draws in full)
  // Then the same settings as the command: the kind, its Default Settings
  // and a cursor off the centre.
  act("choose 5=8", false);
  act("choose 6=0", false);
  act("set 65=30", false);
  act("set 68=30", false);
  // While the dialog runs, the document cannot be changed behind it.
  EXPECT_EQ(studio_->Post("/api/undo", "{}")->status, 422);
  act("press 1", false);
  EXPECT_TRUE(studio_->State()["dialogs"].empty());
  studio_->Do("/api/saveas", {{"path", "studio.svg"}});
  EXPECT_EQ(ReadFile(folder_ / "inside" / "studio.svg"), ReadFile(folder_ / "cli.svg"));
}

TEST_F(StudioTest, FileBrowserListsOnlyWhatTheFileRuleAllows) {
  const fs::path inside = folder_ / "inside";
  fs::create_directories(inside / "sub");
  std::ofstream(inside / "sub" / "pic.png") << "x";
  std::ofstream(inside / "sub" / "notes.txt") << "x";
  std::ofstream(inside / ".hidden.svg") << "x";
  fs::create_directory_symlink(folder_, inside / "away");  // leads outside
  struct Case {
    const char* folder;
    int status;
    json entries;  // names, in the order listed
  } cases[] = {
      {"", 200, {"sub", "doc.svg"}},
      {"sub", 200, {"pic.png"}},
      {"sub/..", 200, {"sub", "doc.svg"}},
      {"..", 403, nullptr},
      {"away", 403, nullptr},
      {"doc.svg", 403, nullptr},
      {"missing", 403, nullptr},
  };
  for (const Case& c : cases) {
    auto res = studio_->client().Get(std::string("/api/files?folder=") + c.folder,
                                     studio_->Headers());
    ASSERT_TRUE(res) << c.folder;
    EXPECT_EQ(res->status, c.status) << c.folder << ": " << res->body;
    if (c.status != 200) continue;
    const json listing = json::parse(res->body);
    json names = json::array();
    for (const json& e : listing["entries"]) names.push_back(e["name"]);
    EXPECT_EQ(names, c.entries) << c.folder;
    EXPECT_EQ(listing["parent"].is_null(), listing["folder"] == "") << c.folder;
  }
}

TEST_F(StudioTest, QuestionsWaitForThePagesAnswer) {
  // Open with changes not saved asks first; No leaves everything as it was.
  fs::copy_file(kDocument, folder_ / "inside" / "other.svg");
  studio_->Do("/api/layer", {{"id", "@0"}, {"visible", false}});
  const std::string changed = studio_->Svg();
  auto ask = [&](const std::string& path, const json& body) {
    const json reply = studio_->Do(path, body);
    const json question = studio_->State()["question"];
    EXPECT_EQ(reply["question"], question["id"]);
    return question;
  };
  json question = ask("/api/open", {{"path", "other.svg"}});
  EXPECT_EQ(question["kind"], "yesno");
  EXPECT_NE(question["text"].get<std::string>().find("\"other.svg\""), std::string::npos);
  // Nothing but the answer goes through while the question is open.
  EXPECT_EQ(studio_->Post("/api/undo", "{}")->status, 422);
  EXPECT_EQ(studio_->Post("/api/answer", json{{"id", question["id"]}, {"colour", "#fff"}}.dump())->status, 400);
  studio_->Do("/api/answer", {{"id", question["id"]}, {"yes", false}});
  json state = studio_->State();
  EXPECT_TRUE(state["question"].is_null());
  EXPECT_EQ(state["document"]["name"], "doc.svg");
  EXPECT_TRUE(state["document"]["dirty"].get<bool>());
  EXPECT_EQ(studio_->Svg(), changed);
  question = ask("/api/open", {{"path", "other.svg"}});
  studio_->Do("/api/answer", {{"id", question["id"]}, {"yes", true}});
  EXPECT_EQ(studio_->State()["document"]["name"], "other.svg");

  // The colour picker of a swatch, its item given by name: Cancel keeps the
  // colour, a typed colour is kept as typed; the document's colours come along.
  studio_->Do("/api/command", {{"command", "Live Trail"}});
  const json press = {{"dialog", "QVR-VsX4LiveTrail"}, {"action", "press EndFillSwatch"}};
  question = ask("/api/dialog", press);
  ASSERT_EQ(question["kind"], "colour");
  const json first = question["current"];
  EXPECT_EQ(question["swatches"], json::parse(R"([{"rgb":"#00aa00","text":"#00aa00"},
      {"rgb":"#0088cc","text":"#0088cc"},{"rgb":"#cc0000","text":"#cc0000"}])"));
  const struct {
    json answer;
    int status;
    json current;  // what the next picker starts from
  } answers[] = {
      {{{"cancel", true}}, 200, first},
      {{{"colour", "blue"}}, 422, nullptr},
      {{{"colour", "cmyk(0,50,100,0)"}}, 200, {{"rgb", "#ff8000"}, {"text", "cmyk(0,50,100,0)"}}},
  };
  for (const auto& a : answers) {
    json body = a.answer;
    body["id"] = question["id"];
    EXPECT_EQ(studio_->Post("/api/answer", body.dump())->status, a.status) << body.dump();
    if (a.status != 200) continue;
    question = ask("/api/dialog", press);
    EXPECT_EQ(question["current"], a.current) << body.dump();
  }
  studio_->Do("/api/answer", {{"id", question["id"]}, {"cancel", true}});

  // The folder chooser (Import in the preset manager) takes only folders
  // the file rule allows; Cancel goes back to the manager.
  studio_->Do("/api/command", {{"command", "Live Border"}});
  studio_->Do("/api/dialog", {{"dialog", "QVR-VsX4LiveBorder"}, {"action", "choose menu=2"}});  // Edit...
  const std::string manager = "#" + std::to_string(vx::res::kPresetManager);
  question = ask("/api/dialog", {{"dialog", manager}, {"action", "press Import"}});
  EXPECT_EQ(question["kind"], "folder");
  EXPECT_EQ(studio_->Post("/api/answer", json{{"id", question["id"]}, {"folder", ".."}}.dump())->status, 403);
  studio_->Do("/api/answer", {{"id", question["id"]}, {"cancel", true}});
  EXPECT_TRUE(studio_->State()["question"].is_null());
  studio_->Do("/api/dialog", {{"dialog", manager}, {"action", "press Close"}});
}

TEST_F(StudioTest, LiveFractalizeFromTheEffectMenuEqualsTheCommand) {
  studio_->Do("/api/select", {{"ids", {"a"}}});
  EXPECT_EQ(studio_->Do("/api/command", {{"command", "Effect > VERSALiX4 > Fractalize..."}})["modal"],
            "Fractalize Plug-in Dialog");
  const json state = studio_->State();
  for (const json& item : state["dialogs"][0]["items"])
    if (item["id"] == 1) {
      EXPECT_EQ(item["name"], "Ok");
    }
  // Items are addressed by the names their dialog's source gives them.
  EXPECT_EQ(studio_->Post("/api/dialog", R"({"dialog":"Fractalize Plug-in Dialog","action":"press Nowhere"})")->status, 400);
  studio_->Do("/api/dialog", {{"dialog", "Fractalize Plug-in Dialog"}, {"action", "press Ok"}});
  studio_->Do("/api/saveas", {{"path", "studio.svg"}});
  // The live effect draws a new seed; the command is given the same one.
  const std::string saved = ReadFile(folder_ / "inside" / "studio.svg");
  const size_t at = saved.find("randSeed=i:");
  ASSERT_NE(at, std::string::npos);
  const std::string seed = saved.substr(at + 11, saved.find('"', at) - at - 11);
  const auto run = vx::test::RunVersalix4(
      "fractalize '" + (folder_ / "inside" / "doc.svg").string() + "' --live --select a --seed " + seed +
          " -o '" + (folder_ / "cli.svg").string() + "'",
      folder_);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(saved, ReadFile(folder_ / "cli.svg"));
}

}  // namespace

// What a request made with the page's canvas version and state tag
// answers (a line of JSON, then the markup parts after record separators);
// keeps the page's side of both.
struct Delta {
  json head;
  std::vector<std::string> parts;
};
struct Page {
  explicit Page(Studio& s) : studio(s) {}
  Studio& studio;
  std::string tag;
  uint64_t canvas = 0;
  Delta operator()(const std::string& path, const json& body = json()) {
    const std::string query = "?canvas=" + std::to_string(canvas) + "&state=" + tag;
    auto res = body.is_null() ? studio.client().Get(path + query, studio.Headers())
                              : studio.Post(path + query, body.dump());
    Delta d;
    if (!res || res->status != 200) return ADD_FAILURE() << (res ? res->body : "no answer"), d;
    std::stringstream rest(res->body.substr(res->body.find('\n') + 1));
    d.head = json::parse(res->body.substr(0, res->body.find('\n')));
    std::string part;
    std::getline(rest, part, '\x1e');  // nothing before the first separator
    while (std::getline(rest, part, '\x1e')) d.parts.push_back(part);
    if (d.head.contains("state")) tag = d.head["state"]["tag"];
    canvas = d.head["canvas"]["version"];
    return d;
  }
};

// Answers carry the state's members that changed and the canvas delta: the
// changed objects only, as the whole document writes them, with their
// places; versions that do not chain get everything.
TEST_F(StudioTest, AnswersCarryJustWhatChanged) {
  Page sync{*studio_};
  Delta whole = sync("/api/sync");
  ASSERT_TRUE(whole.head["canvas"]["whole"].get<bool>());
  std::map<std::string, uint64_t> uid;  // by SVG id, from the marked whole document
  std::smatch m;
  for (std::string s = whole.parts.at(0);
       std::regex_search(s, m, std::regex(R"re(id="(\w)"[^>]*data-vx-uid="(\d+)")re")); s = m.suffix())
    uid[m[1]] = std::stoull(m[2]);
  ASSERT_EQ(uid.size(), 3u);
  const uint64_t v1 = sync.canvas;

  // A selection changes the state's selection, not the canvas.
  Delta selected = sync("/api/select", {{"ids", {"b"}}});
  EXPECT_EQ(selected.head["state"]["changed"]["selection"], json({"b"}));
  EXPECT_FALSE(selected.head["state"]["changed"].contains("menus"));
  EXPECT_TRUE(selected.head["canvas"]["objects"].empty());
  EXPECT_EQ(sync("/api/sync").head.count("state"), 0u);  // nothing changed

  // A Warp drag on b alone: just b, in place, as its attributes with the
  // new path data the whole document writes (no markup, no wrapping group).
  studio_->Do("/api/tool", {{"name", "Warp"}});
  sync("/api/pointer", {{"event", "down"}, {"x", 150}, {"y", 50}});
  Delta warped = sync("/api/pointer", {{"event", "drag"}, {"x", 165}, {"y", 40}});
  EXPECT_GT(sync.canvas, v1);
  ASSERT_EQ(warped.head["canvas"]["objects"].size(), 1u);
  const json& b = warped.head["canvas"]["objects"][0];
  EXPECT_EQ(b["uid"], uid["b"]);
  EXPECT_TRUE(b["inPlace"].get<bool>() && b["wrap"].is_null());
  EXPECT_TRUE(warped.parts.empty());  // no markup, no definitions
  const std::string d = b["paint"].at(0).at(1).value("d", "");
  EXPECT_NE(studio_->Svg().find(" d=\"" + d + "\""), std::string::npos) << d;
  // A canvas version that is not a number is refused before the request
  // runs (the button stays down); one that does not chain, or a state tag
  // not handed out, gets everything.
  auto refused = studio_->Post("/api/pointer?canvas=x", json{{"event", "up"}, {"x", 1}, {"y", 1}}.dump());
  EXPECT_EQ(refused ? refused->status : 0, 400);
  sync("/api/pointer", {{"event", "up"}, {"x", 165}, {"y", 40}});
  studio_->Do("/api/tool", {{"name", ""}});
  sync.canvas = v1;
  sync.tag = "stale";
  Delta again = sync("/api/sync");
  EXPECT_TRUE(again.head["canvas"]["whole"].get<bool>());
  EXPECT_TRUE(again.head["state"].contains("whole"));
}

// An object written anew in a transformed layer names the group that undoes
// the layer's transform its path data is written in; not the whole document.
TEST_F(StudioTest, ObjectsOfATransformedLayerComeAsDeltas) {
  Studio layered(folder_ / "layered", ReadFile(kDocument.parent_path() / "layered.svg"));
  ASSERT_TRUE(layered.running());
  Page sync{layered};
  sync("/api/sync");
  layered.Do("/api/select", {{"ids", {"a"}}});
  layered.Do("/api/tool", {{"name", "Warp"}});
  sync("/api/pointer", {{"event", "down"}, {"x", 60}, {"y", 40}});
  Delta warped = sync("/api/pointer", {{"event", "drag"}, {"x", 70}, {"y", 30}});
  ASSERT_EQ(warped.head["canvas"]["objects"].size(), 1u);
  EXPECT_EQ(warped.head["canvas"]["objects"][0]["wrap"], "matrix(1,0,0,1,-10,0)");
  EXPECT_TRUE(warped.parts.empty());
  EXPECT_EQ(layered.Quit(), 0);
}
