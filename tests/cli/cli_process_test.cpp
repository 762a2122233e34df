// varendo-calc run as a process: output, error lines and exit status.
// Not linked with the engine, so its literals stay UTF-8 like the command line.
#include <gtest/gtest.h>
#include <string.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace
{

struct Outcome {
    int status; // exit status, or -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// Reads both pipes to the end; poll keeps a full stderr from blocking stdout.
void Drain(int outFd, int errFd, std::string *out, std::string *err)
{
    int fds[2] = {outFd, errFd};
    std::string *sinks[2] = {out, err};
    bool open[2] = {true, true};
    while (open[0] || open[1]) {
        fd_set set;
        FD_ZERO(&set);
        int top = -1;
        for (int i = 0; i < 2; i++) {
            if (open[i]) {
                FD_SET(fds[i], &set);
                top = fds[i] > top ? fds[i] : top;
            }
        }
        if (select(top + 1, &set, nullptr, nullptr, nullptr) < 0)
            return;
        for (int i = 0; i < 2; i++) {
            if (!open[i] || !FD_ISSET(fds[i], &set))
                continue;
            char buffer[4096];
            const ssize_t n = read(fds[i], buffer, sizeof buffer);
            if (n <= 0)
                open[i] = false;
            else
                sinks[i]->append(buffer, (size_t)n);
        }
    }
}

Outcome Calc(const std::vector<std::string> &args)
{
    std::vector<char *> argv;
    static char program[] = VARENDO_CALC_PATH;
    argv.push_back(program);
    for (const std::string &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);

    int outPipe[2], errPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0)
        return {-1, "", "pipe failed"};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(outPipe[1], 1);
        dup2(errPipe[1], 2);
        close(outPipe[0]), close(outPipe[1]), close(errPipe[0]), close(errPipe[1]);
        // A locale without UTF-8 must not matter: the program converts itself.
        setenv("LC_ALL", "C", 1);
        execv(program, argv.data());
        _exit(127);
    }
    close(outPipe[1]);
    close(errPipe[1]);
    Outcome run;
    Drain(outPipe[0], errPipe[0], &run.out, &run.err);
    close(outPipe[0]);
    close(errPipe[0]);
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    return run;
}

const std::string Dp = "--game=dp";
const std::string Bulbasaur = "フシギダネ";

struct Case {
    const char *what;
    std::vector<std::string> args;
    int status;
    std::string out;
    std::string err;
};

void Check(const Case &c)
{
    SCOPED_TRACE(c.what);
    const Outcome run = Calc(c.args);
    EXPECT_EQ(c.status, run.status);
    EXPECT_EQ(c.out, run.out);
    EXPECT_EQ(c.err, run.err);
}

const char Gen34Both30To31[] = "HP: 30-31\nこうげき: 30-31\nぼうぎょ: 30-31\n"
                               "とくこう: 30-31\nとくぼう: 30-31\nすばやさ: 30-31\n";

TEST(CliProcess, WorkedExamples)
{
    const Case cases[] = {
        {"dp, one observation: every stat 30-31, no hidden power",
         {"--game", "dp", "--species", Bulbasaur, "--nature", "いじっぱり",
          "50:120/75/69/76/85/65"},
         0,
         Gen34Both30To31,
         ""},
        {"dp, both observations in either order pin 31 and give あく 70",
         {"--game", "dp", "--species", Bulbasaur, "--nature", "いじっぱり",
          "100:231/147/134/149/166/126", "50:120/75/69/76/85/65"},
         0,
         "HP: 31\nこうげき: 31\nぼうぎょ: 31\nとくこう: 31\nとくぼう: 31\nすばやさ: 31\n"
         "めざめるパワー: あく 70\n",
         ""},
        {"dp, the same as JSON",
         {"--json", Dp, "--species=フシギダネ", "--nature=いじっぱり", "50:120/75/69/76/85/65",
          "100:231/147/134/149/166/126"},
         0,
         "{\"game\":\"dp\",\"species\":\"フシギダネ\",\"nature\":\"いじっぱり\",\"ranges\":{"
         "\"hp\":[31,31],\"attack\":[31,31],\"defense\":[31,31],\"spAtk\":[31,31],"
         "\"spDef\":[31,31],\"speed\":[31,31]},\"determined\":true,"
         "\"hiddenPower\":{\"type\":\"あく\",\"power\":70}}\n",
         ""},
        {"dp, JSON of an undetermined result with a stat that fits nothing (Defense 70)",
         {"--game", "dp", "--species", "1", "--nature", "いじっぱり", "--json",
          "50:120/75/70/76/85/65"},
         0,
         "{\"game\":\"dp\",\"species\":\"フシギダネ\",\"nature\":\"いじっぱり\",\"ranges\":{"
         "\"hp\":[30,31],\"attack\":[30,31],\"defense\":null,\"spAtk\":[30,31],"
         "\"spDef\":[30,31],\"speed\":[30,31]},\"determined\":false,\"hiddenPower\":null}\n",
         ""},
        {"dp, 252 Attack effort: value 31 gives Attack 111",
         {"--game", "dp", "--species", Bulbasaur, "--nature", "いじっぱり",
          "50:120/111/69/76/85/65:0/252/0/0/0/0"},
         0,
         "HP: 30-31\nこうげき: 31\nぼうぎょ: 30-31\nとくこう: 30-31\nとくぼう: 30-31\nすばやさ: "
         "30-31\n",
         ""},
        {"rgby: all 15 and あく 70 from the second-generation formula",
         {"--game", "rgby", "--species", Bulbasaur, "50:120/69/69/65/85"},
         0,
         "HP: 15\nこうげき: 15\nぼうぎょ: 15\nすばやさ: 15\nとくしゅ: 15\nめざめるパワー: あく "
         "70\n",
         ""},
        {"rgby JSON: Sp. Atk and Sp. Def do not exist there",
         {"--game", "rgby", "--species", Bulbasaur, "--json", "10:32/17/17/17/21"},
         0,
         "{\"game\":\"rgby\",\"species\":\"フシギダネ\",\"nature\":null,\"ranges\":{"
         "\"hp\":[15,15],\"attack\":[11,15],\"defense\":[11,15],\"speed\":[15,15],"
         "\"special\":[15,15]},\"determined\":false,\"hiddenPower\":null}\n",
         ""},
        {"rgby: effort level 63 at level 100 turns Attack 133 into 196",
         {"--game", "rgby", "--species", "1", "100:1/196/1/1/1:0/63/0/0/0"},
         0,
         "HP: 該当なし\nこうげき: 15\nぼうぎょ: 該当なし\nすばやさ: 該当なし\nとくしゅ: 該当なし\n",
         ""},
        {"gsc: Sp. Atk 54 allows Special 14-15, Sp. Def 45 leaves 15",
         {"--game", "gsc", "--species", "リザードン", "20:67/44/42/54/45/51"},
         0,
         "HP: 15\nこうげき: 14-15\nぼうぎょ: 15\nとくしゅ: 15\nすばやさ: 15\n",
         ""},
        {"gsc JSON: the one Special value in the C position",
         {"--game", "gsc", "--species", "6", "--json", "20:67/44/42/60/45/51"},
         0,
         "{\"game\":\"gsc\",\"species\":\"リザードン\",\"nature\":null,\"ranges\":{"
         "\"hp\":[15,15],\"attack\":[14,15],\"defense\":[15,15],\"special\":null,"
         "\"speed\":[15,15]},\"determined\":false,\"hiddenPower\":null}\n",
         ""},
        {"gsc: the Special effort level in C acts on both Special stats",
         {"--game", "gsc", "--species", "リザードン", "100:1/1/1/316/268/1:0/0/0/63/0"},
         0,
         "HP: 該当なし\nこうげき: 該当なし\nぼうぎょ: 該当なし\nとくしゅ: 15\nすばやさ: 該当なし\n",
         ""},
    };
    for (const Case &c : cases)
        Check(c);
}

// "デオキシス" takes each game's form: the FireRed Attack form at level 50
// with every value 31 fits only in FireRed.
TEST(CliProcess, DeoxysFollowsTheGame)
{
    // At level 50 every second value moves a stat by one, so 30 and 31 tie.
    const std::string attackForm = "50:125/200/40/200/40/170";
    const std::string all30To31 = Gen34Both30To31;
    const Case cases[] = {
        {"firered",
         {"--game", "firered", "--species", "デオキシス", "--nature", "がんばりや", attackForm},
         0,
         all30To31,
         ""},
        {"rs",
         {"--game", "rs", "--species", "386", "--nature", "がんばりや", attackForm},
         0,
         // Speed 150 is the same in both forms.
         "HP: 30-31\nこうげき: 該当なし\nぼうぎょ: 該当なし\nとくこう: 該当なし\nとくぼう: "
         "該当なし\n"
         "すばやさ: 30-31\n",
         ""},
        {"dp form by its full name",
         {"--game", "dp", "--species", "デオキシス　アタック", "--nature", "がんばりや",
          attackForm},
         0,
         all30To31,
         ""},
    };
    for (const Case &c : cases)
        Check(c);
}

TEST(CliProcess, Tools)
{
    const Case cases[] = {
        {"effort levels",
         {"effort-level", "0", "1", "9", "10", "49", "50", "10000", "63001", "63002", "65025",
          "65535"},
         0,
         "0: 0\n1: 0\n9: 0\n10: 1\n49: 1\n50: 2\n10000: 25\n63001: 62\n63002: 63\n65025: "
         "63\n65535: 63\n",
         ""},
        {"effort levels as JSON",
         {"effort-level", "--json", "10", "65535"},
         0,
         "{\"effortLevels\":[1,63]}\n",
         ""},
        {"dp all 31",
         {"hidden-power", Dp, "31", "31", "31", "31", "31", "31"},
         0,
         "めざめるパワー: あく 70\n",
         ""},
        {"dp all 0",
         {"hidden-power", Dp, "0", "0", "0", "0", "0", "0"},
         0,
         "めざめるパワー: かくとう 30\n",
         ""},
        // H/A/B/C/D/S: Speed weighs 8, before Sp. Atk and Sp. Def.
        {"rs 31/30/31/31/31/31 is ドラゴン",
         {"hidden-power", "--game", "rs", "31", "30", "31", "31", "31", "31"},
         0,
         "めざめるパワー: ドラゴン 70\n",
         ""},
        {"emerald 31/30/31/30/31/30: t = 37 gives ほのお",
         {"hidden-power", "--game", "emerald", "31", "30", "31", "30", "31", "30"},
         0,
         "めざめるパワー: ほのお 70\n",
         ""},
        {"gsc 15s (HP ignored)",
         {"hidden-power", "--game", "gsc", "0", "15", "15", "15", "15"},
         0,
         "めざめるパワー: あく 70\n",
         ""},
        {"gsc Special in C: A12 B13 C15 S15",
         {"hidden-power", "--game", "gsc", "9", "12", "13", "15", "15"},
         0,
         "めざめるパワー: ひこう 70\n",
         ""},
        {"gsc Special 14",
         {"hidden-power", "--game", "gsc", "--json", "15", "15", "15", "14", "15"},
         0,
         "{\"game\":\"gsc\",\"hiddenPower\":{\"type\":\"あく\",\"power\":69}}\n",
         ""},
    };
    for (const Case &c : cases)
        Check(c);
}

TEST(CliProcess, BadInputExitsWithTwoAndOneLine)
{
    const std::vector<std::string> base = {"--game",  "dp",       "--species",
                                           Bulbasaur, "--nature", "いじっぱり"};
    auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> args = base;
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    const std::string p = "varendo-calc: ";
    const Case cases[] = {
        {"unknown game",
         {"--game", "xy", "--species", "1", "1:1/1/1/1/1"},
         2,
         "",
         p + "--game \"xy\" is not a game; expected one of rgby, gsc, rs, emerald, firered, "
             "leafgreen, dp\n"},
        {"missing game",
         {"--species", "1", "1:1/1/1/1/1"},
         2,
         "",
         p + "--game is missing; expected one of rgby, gsc, rs, emerald, firered, leafgreen, dp\n"},
        {"unknown species with suggestions",
         {"--game", "dp", "--species", "フシギ", "--nature", "いじっぱり", "1:1/1/1/1/1/1"},
         2,
         "",
         p + "--species \"フシギ\" is not a species of dp; names that begin alike: フシギソウ, "
             "フシギダネ, フシギバナ\n"},
        {"a name too long for the table still gets suggestions",
         {"--game", "dp", "--species", "フシギダネフシギダネフシギダネ", "--nature", "いじっぱり",
          "1:1/1/1/1/1/1"},
         2,
         "",
         p + "--species \"フシギダネフシギダネフシギダネ\" is not a species of dp; names that "
             "begin alike: フシギダネ\n"},
        {"a species the game does not list",
         {"--game", "rgby", "--species", "ルカリオ", "1:1/1/1/1/1"},
         2,
         "",
         p + "--species \"ルカリオ\" is not a species of rgby; names that begin alike: "
             "ルージュラ\n"},
        {"unknown species without suggestions",
         {"--game", "gsc", "--species", "Pikachu", "1:1/1/1/1/1/1"},
         2,
         "",
         p + "--species \"Pikachu\" is not a species of gsc; expected a Japanese name as the game "
             "spells it, or a national number 1-251\n"},
        {"national number out of the game",
         {"--game", "dp", "--species", "493", "--nature", "いじっぱり", "1:1/1/1/1/1/1"},
         2,
         "",
         p + "--species \"493\" is not a species of dp; expected a national number 1-492\n"},
        {"missing species",
         {"--game", "dp", "1:1/1/1/1/1/1"},
         2,
         "",
         p + "--species is missing; expected a Japanese species name or a national number\n"},
        {"missing nature",
         {"--game", "emerald", "--species", "1", "1:1/1/1/1/1/1"},
         2,
         "",
         p + "--nature is missing; emerald needs one of the 25 natures, such as いじっぱり\n"},
        {"nature in the first generation",
         {"--game", "rgby", "--species", "1", "--nature", "いじっぱり", "1:1/1/1/1/1"},
         2,
         "",
         p + "--nature \"いじっぱり\" is not used by rgby; natures begin with the third "
             "generation, leave it out\n"},
        {"unknown nature, prefix",
         {"--game", "dp", "--species", "1", "--nature", "ようきな", "1:1/1/1/1/1/1"},
         2,
         "",
         p + "--nature \"ようきな\" is not a nature; names that begin alike: ようき\n"},
        {"unknown nature in katakana",
         {"--game", "dp", "--species", "1", "--nature", "ヨウキ", "1:1/1/1/1/1/1"},
         2,
         "",
         p + "--nature \"ヨウキ\" is not a nature; expected one of いじっぱり, うっかりや, "
             "おくびょう, おだやか, おっとり, "
             "おとなしい, がんばりや, きまぐれ, さみしがり, しんちょう, すなお, ずぶとい, "
             "せっかち, てれや, なまいき, "
             "のうてんき, のんき, ひかえめ, まじめ, むじゃき, やんちゃ, ゆうかん, ようき, "
             "れいせい, わんぱく\n"},
        {"level 0", with({"0:1/1/1/1/1/1"}), 2, "",
         p + "observation \"0:1/1/1/1/1/1\": level 0 is outside 1-100\n"},
        {"level 101", with({"101:1/1/1/1/1/1"}), 2, "",
         p + "observation \"101:1/1/1/1/1/1\": level 101 is outside 1-100\n"},
        {"level not a number", with({"L5:1/1/1/1/1/1"}), 2, "",
         p + "observation \"L5:1/1/1/1/1/1\": level \"L5\" is not a number; expected 1-100\n"},
        {"stat count, dp", with({"50:120/75/69/76/85"}), 2, "",
         p + "observation \"50:120/75/69/76/85\": 5 stats given; dp expects 6 (H/A/B/C/D/S)\n"},
        {"stat count, rgby",
         {"--game", "rgby", "--species", "1", "50:120/69/69/65/85/85"},
         2,
         "",
         p + "observation \"50:120/69/69/65/85/85\": 6 stats given; rgby expects 5 "
             "(H/A/B/S/Special)\n"},
        {"stat not a number", with({"50:120/75/69/76/85/6x"}), 2, "",
         p + "observation \"50:120/75/69/76/85/6x\": stat \"6x\" is not a number; expected "
             "1-999\n"},
        {"empty stat", with({"50:120//69/76/85/65"}), 2, "",
         p + "observation \"50:120//69/76/85/65\": stat \"\" is not a number; expected 1-999\n"},
        {"stat out of range", with({"50:120/75/69/76/85/1000"}), 2, "",
         p + "observation \"50:120/75/69/76/85/1000\": stat 1000 is outside 1-999\n"},
        {"effort count", with({"50:120/75/69/76/85/65:0/252"}), 2, "",
         p + "observation \"50:120/75/69/76/85/65:0/252\": 2 efforts given; dp expects 6 "
             "(H/A/B/C/D/S)\n"},
        {"effort value above 255", with({"50:120/75/69/76/85/65:0/256/0/0/0/0"}), 2, "",
         p + "observation \"50:120/75/69/76/85/65:0/256/0/0/0/0\": effort 256 is outside 0-255\n"},
        {"effort total above 510", with({"50:120/75/69/76/85/65:255/255/1/0/0/0"}), 2, "",
         p + "observation \"50:120/75/69/76/85/65:255/255/1/0/0/0\": effort total 511 is above "
             "510\n"},
        // Far above 63 the first two generations' formula would wrap in 16 bits.
        {"effort level above 63",
         {"--game", "gsc", "--species", "6", "50:1/1/1/1/1/1:0/25600/0/0/0"},
         2,
         "",
         p + "observation \"50:1/1/1/1/1/1:0/25600/0/0/0\": effort level 25600 is outside 0-63 "
             "(turn stat experience into levels with effort-level)\n"},
        {"gsc takes five efforts",
         {"--game", "gsc", "--species", "6", "50:1/1/1/1/1/1:0/0/0/0/0/0"},
         2,
         "",
         p + "observation \"50:1/1/1/1/1/1:0/0/0/0/0/0\": 6 efforts given; gsc expects 5 "
             "(H/A/B/C/S, the one Special effort level in C)\n"},
        {"not an observation", with({"50"}), 2, "",
         p + "observation \"50\" is not LEVEL:STATS or LEVEL:STATS:EFFORTS\n"},
        {"no observation", base, 2, "",
         p + "no observation given; expected LEVEL:STATS[:EFFORTS] with the stats as "
             "H/A/B/C/D/S\n"},
        {"nothing at all",
         {},
         2,
         "",
         p + "nothing to do; expected --game GAME --species NAME|NUMBER [--nature NAME] "
             "OBSERVATION... (see --help)\n"},
        {"unknown option", with({"--level", "50"}), 2, "",
         p + "unknown option \"--level\"; see --help\n"},
        {"option twice", with({"--game", "rs"}), 2, "", p + "--game is given twice\n"},
        {"option without value", {"--species", "1", "--game"}, 2, "", p + "--game needs a value\n"},
        {"stat experience out of range",
         {"effort-level", "65536"},
         2,
         "",
         p + "effort-level: stat experience 65536 is outside 0-65535\n"},
        {"negative stat experience",
         {"effort-level", "-1"},
         2,
         "",
         p + "effort-level: \"-1\" is not a number; expected stat experience 0-65535\n"},
        {"effort-level takes no game",
         {"effort-level", "--game", "dp", "10"},
         2,
         "",
         p + "--game is not used by effort-level\n"},
        {"hidden power in rgby",
         {"hidden-power", "--game", "rgby", "15", "15", "15", "15", "15"},
         2,
         "",
         p + "hidden-power: --game rgby has no hidden power; expected one of gsc, rs, emerald, "
             "firered, leafgreen, dp\n"},
        {"hidden power IV above 15 in gsc",
         {"hidden-power", "--game", "gsc", "15", "15", "20", "15", "15"},
         2,
         "",
         p + "hidden-power: individual value 20 is outside 0-15\n"},
        {"hidden power IV above 31",
         {"hidden-power", Dp, "31", "31", "40", "31", "31", "31"},
         2,
         "",
         p + "hidden-power: individual value 40 is outside 0-31\n"},
        {"hidden power count",
         {"hidden-power", Dp, "31", "31"},
         2,
         "",
         p + "hidden-power: 2 values given; dp expects 6 individual values (H/A/B/C/D/S)\n"},
    };
    for (const Case &c : cases)
        Check(c);
}

// Whatever arrives is echoed on one line: control characters and bytes that
// are not UTF-8 become '?', and a long argument is cut.
TEST(CliProcess, EchoedArgumentsStayOnOneSafeLine)
{
    const Case cases[] = {
        {"escape sequence and a broken byte",
         {"--game", "\x1b[31mdp\n\xff"},
         2,
         "",
         "varendo-calc: --game \"?[31mdp??\" is not a game; expected one of rgby, gsc, rs, "
         "emerald, firered, leafgreen, dp\n"},
        {"a character that Shift-JIS lacks",
         {"--game", "dp", "--species", "🐸", "--nature", "ようき", "1:1/1/1/1/1/1"},
         2,
         "",
         "varendo-calc: --species \"🐸\" is not a species of dp; expected a Japanese name as the "
         "game spells it, "
         "or a national number 1-492\n"},
        {"a long argument",
         {"--game", std::string(45, 'x') + "あいう"},
         2,
         "",
         "varendo-calc: --game \"" + std::string(40, 'x') +
             "...\" is not a game; expected one of rgby, gsc, rs, emerald, firered, leafgreen, "
             "dp\n"},
    };
    for (const Case &c : cases)
        Check(c);
}

// Every example the help shows runs and succeeds.
TEST(CliProcess, HelpExamplesRun)
{
    const Outcome help = Calc({"--help"});
    ASSERT_EQ(0, help.status);
    EXPECT_EQ(0u, help.out.find("usage: varendo-calc --game GAME --species NAME|NUMBER"));
    EXPECT_EQ("", help.err);

    // Join continued lines, then take each "  varendo-calc ..." line apart.
    std::string text = help.out;
    for (size_t at; (at = text.find("\\\n")) != std::string::npos;)
        text.erase(at, 2);
    std::vector<std::string> gamesSeen;
    size_t start = 0;
    int examples = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end - start);
        start = end == std::string::npos ? text.size() : end + 1;
        if (line.rfind("  varendo-calc ", 0) != 0)
            continue;
        std::vector<std::string> args;
        size_t p = strlen("  varendo-calc ");
        while (p < line.size()) {
            while (p < line.size() && line[p] == ' ')
                p++;
            const size_t q = line.find(' ', p);
            if (p < line.size())
                args.push_back(line.substr(p, q - p));
            p = q == std::string::npos ? line.size() : q;
        }
        SCOPED_TRACE(line);
        const Outcome run = Calc(args);
        EXPECT_EQ(0, run.status);
        EXPECT_NE("", run.out);
        EXPECT_EQ("", run.err);
        for (size_t i = 0; i + 1 < args.size(); i++) {
            if (args[i] == "--game" && args[0] != "hidden-power")
                gamesSeen.push_back(args[i + 1]);
        }
        examples++;
    }
    EXPECT_EQ(6, examples);
    // One calculation example per generation.
    EXPECT_EQ((std::vector<std::string>{"rgby", "gsc", "emerald", "dp"}), gamesSeen);
}

} // namespace
