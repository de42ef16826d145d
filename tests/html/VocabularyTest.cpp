// Properties of the shipped default vocabulary, data/Data/Tags.txt, read with
// the editor's own tag model and checked with its own checker.

#include "TempDir.h"
#include "cli/CheckRunner.h"
#include "dialogs/AnchorHtml.h"
#include "dialogs/FramesHtml.h"
#include "dialogs/ImageHtml.h"
#include "dialogs/TableHtml.h"
#include "html/BuildTagText.h"
#include "html/CTagData.h"
#include "html/CodeChecker.h"
#include "html/ColorText.h"
#include "html/ICheckSink.h"
#include "html/SharedArguments.h"

#include <algorithm>
#include <deque>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string kDataDir = std::string(TAGWRIGHT_SOURCE_DIR) + "/data/Data/";

class CollectingSink : public ICheckSink {
public:
    void addLine(const CErrorLine& line) override {
        if (line.error)
            errors.push_back(line.message);
    }
    std::vector<std::string> errors;
};

class VocabularyTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        data_ = new CTagData();
        loadResult_ = data_->LoadTagData(kDataDir + "Tags.txt", kDataDir + "Colors.txt");
    }
    static void TearDownTestSuite() {
        delete data_;
        data_ = nullptr;
    }

    static std::vector<std::string> errorsOf(const std::string& html) {
        CollectingSink sink;
        CheckDocument(*data_, "sample.html", html, sink);
        return sink.errors;
    }

    static const CArgDef* argument(const std::string& tag, const std::string& name) {
        const CTagDef* def = data_->FindTag(tag);
        return def ? def->FindArgument(name) : nullptr;
    }

    static CTagData* data_;
    static TagDataLoadResult loadResult_;
};

CTagData* VocabularyTest::data_ = nullptr;
TagDataLoadResult VocabularyTest::loadResult_;

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// --- the file as a whole ------------------------------------------------------

TEST_F(VocabularyTest, LoadsBothFilesAndEveryTagIsComplete) {
    ASSERT_TRUE(loadResult_.ok());
    ASSERT_FALSE(data_->tags().empty());
    std::set<std::string> names;
    for (const CTagDef& tag : data_->tags()) {
        EXPECT_TRUE(names.insert(tag.name).second) << tag.name << " defined twice";
        EXPECT_FALSE(tag.info.empty()) << tag.name;
        EXPECT_FALSE(tag.group.empty()) << tag.name;
        EXPECT_EQ(data_->FindTag(tag.name), &tag) << tag.name << " is not found by its name";
    }
}

TEST_F(VocabularyTest, WithinRulesStayInsideTheLimitAndNameKnownTags) {
    for (const CTagDef& tag : data_->tags()) {
        ASSERT_FALSE(tag.within.empty()) << tag.name << " would be rejected everywhere";
        EXPECT_LE(tag.within.size(), 10u) << tag.name;
        for (size_t i = 0; i < tag.within.size(); ++i) {
            if (tag.within[i] == "ROOT") {
                EXPECT_EQ(i, 0u) << tag.name << ": ROOT only counts first";
            } else {
                EXPECT_NE(data_->FindTag(tag.within[i]), nullptr) << tag.name;
            }
        }
    }
}

// Event handlers repeat on every element; only the common ones carry an info
// line, the others would double the file for little use.
bool isEventHandler(const CArgDef& arg) {
    return arg.name.rfind("ON", 0) == 0 && arg.values.javascript && arg.values.values.empty();
}

TEST_F(VocabularyTest, EveryArgumentHasInfoAndAUniqueName) {
    for (const CTagDef& tag : data_->tags()) {
        std::set<std::string> seen;
        for (const CArgDef& arg : tag.arguments) {
            EXPECT_TRUE(seen.insert(arg.name).second) << tag.name << " " << arg.name;
            if (!isEventHandler(arg)) {
                EXPECT_FALSE(arg.info.empty()) << tag.name << " " << arg.name;
            }
            EXPECT_EQ(tag.FindArgument(arg.name), &arg) << tag.name << " " << arg.name;
        }
    }
}

TEST_F(VocabularyTest, CommonEventHandlersExplainThemselves) {
    for (const char* name : {"ONCLICK", "ONLOAD", "ONMOUSEOVER", "ONCHANGE", "ONSUBMIT"}) {
        const CArgDef* arg = argument("FORM", name);
        ASSERT_NE(arg, nullptr) << name;
        EXPECT_TRUE(isEventHandler(*arg)) << name;
        EXPECT_FALSE(arg->info.empty()) << name;
    }
}

TEST_F(VocabularyTest, EveryGroupAppearsInTheTreeWithItsTags) {
    std::vector<TagTreeNode> tree = data_->FillTagTree(2);
    ASSERT_EQ(tree.size(), data_->groups().size());
    size_t tagsInTree = 0;
    for (const TagTreeNode& group : tree) {
        EXPECT_FALSE(group.children.empty()) << group.text;
        tagsInTree += group.children.size();
    }
    EXPECT_EQ(tagsInTree, data_->tags().size());
}

TEST_F(VocabularyTest, TreeShowsTheDocumentSkeletonInReadingOrder) {
    std::vector<TagTreeNode> tree = data_->FillTagTree(2);
    ASSERT_FALSE(tree.empty());
    std::vector<std::string> shown;
    for (const TagTreeNode& tag : tree.front().children)
        shown.push_back(tag.text);
    auto position = [&](const std::string& name) {
        return std::find(shown.begin(), shown.end(), name) - shown.begin();
    };
    EXPECT_EQ(position("!DOCTYPE"), 0);
    EXPECT_LT(position("HTML"), position("HEAD"));
    EXPECT_LT(position("HEAD"), position("BODY"));
}

// --- what the editor's dialogs read -------------------------------------------

TEST_F(VocabularyTest, DialogValueListsAreFilled) {
    const std::vector<std::pair<std::string, std::string>> lists = {
        {"A", "TARGET"},    {"IMG", "ALIGN"},     {"IMG", "SUPPRESS"},
        {"TABLE", "ALIGN"}, {"CAPTION", "ALIGN"}, {"FRAMESET", "FRAMEBORDER"},
    };
    for (const auto& [tag, arg] : lists)
        EXPECT_FALSE(data_->GetValueNames(tag, arg).empty()) << tag << " " << arg;
}

TEST_F(VocabularyTest, EveryOfferedImageAndTableValueChecksClean) {
    std::string html;
    for (const std::string& align : data_->GetValueNames("IMG", "ALIGN"))
        for (const std::string& suppress : data_->GetValueNames("IMG", "SUPPRESS"))
            html += "<IMG SRC=\"a b.gif\" ALIGN=" + align + " SUPPRESS=" + suppress +
                    " WIDTH=10 HEIGHT=10 BORDER=0 VSPACE=1 HSPACE=1 ISMAP>\n";
    for (const std::string& align : data_->GetValueNames("TABLE", "ALIGN"))
        html += "<TABLE BORDER=1 WIDTH=80% BGCOLOR=#ffcc00 COLS=1 ALIGN=" + align +
                ">\n\t<TR>\n\t\t<TD>\n\t</TR>\n</TABLE>\n";
    for (const std::string& align : data_->GetValueNames("CAPTION", "ALIGN"))
        html += "<TABLE>\n\t<CAPTION ALIGN=" + align + ">c</CAPTION>\n</TABLE>\n";
    EXPECT_EQ(joined(errorsOf(html)), "");
}

TEST_F(VocabularyTest, EveryOfferedTargetAndFrameBorderChecksClean) {
    std::string html;
    for (const std::string& target : data_->GetValueNames("A", "TARGET"))
        html += "<A HREF=sub\\page.html TARGET=" + target + " NAME=n>caption</A>\n";
    for (const std::string& border : data_->GetValueNames("FRAMESET", "FRAMEBORDER"))
        html += "<FRAMESET COLS=\"100, *, 20%\" FRAMEBORDER=" + border +
                " BORDER=2 BORDERCOLOR=Navy>\n\t<FRAME SRC=\"\">\n</FRAMESET>\n";
    EXPECT_EQ(joined(errorsOf(html)), "");
}

TEST_F(VocabularyTest, FormatCommandsAndFontChecksClean) {
    std::string html = "<B><I><U><STRIKE><FONT FACE=\"Times New Roman\" COLOR=\"#0a0b0c\" "
                       "SIZE=3>x</FONT></STRIKE></U></I></B>\n<FONT COLOR=\"#000000\" SIZE=0>"
                       "y</FONT>\n<CENTER>c</CENTER><BR><P>p\n";
    for (int level = 1; level <= 6; ++level)
        html += "<H" + std::to_string(level) + ">h</H" + std::to_string(level) + ">\n";
    EXPECT_EQ(joined(errorsOf(html)), "");
}

// Insert Tag: every tag alone, then with one argument at a time filled in as
// a user would (each predefined value, the colour button's texts, a link as
// the file button writes it, a number, a percentage, a quoted text, a checked
// box), each tag inside the tags it must stand in and closed unless its
// closing tag is optional.

// The opening tags of the shortest chain of tags that lets tag stand, outermost
// first; the tags that may stand anywhere need none.
std::map<std::string, std::vector<std::string>> placementChains(const CTagData& data) {
    std::map<std::string, std::vector<std::string>> chains;
    std::deque<const CTagDef*> reached;
    for (const CTagDef& tag : data.tags()) {
        if (!tag.within.empty() && tag.within.front() == "ROOT") {
            chains[tag.name] = {};
            reached.push_back(&tag);
        }
    }
    for (; !reached.empty(); reached.pop_front()) {
        const std::string& parent = reached.front()->name;
        for (const CTagDef& tag : data.tags()) {
            const bool inside = std::count(tag.within.begin(), tag.within.end(), parent) > 0;
            if (!inside || chains.count(tag.name))
                continue;
            chains[tag.name] = chains[parent];
            chains[tag.name].push_back(parent);
            reached.push_back(&tag);
        }
    }
    return chains;
}

std::vector<std::string> sampleValues(const CArgDef& argument, const ColorNames& colors) {
    const CValueSpec& kinds = argument.values;
    std::vector<std::string> samples;
    for (const CTagValue& value : kinds.values)
        samples.push_back(value.text);
    if (kinds.integer)
        samples.push_back("12");
    if (kinds.percent)
        samples.push_back("50%");
    if (kinds.color) {
        samples.push_back(
            ColorText::Write({0x0000FF, "", false, true}, ColorTextCaller::InsertTag));
        const std::string name = colors.names().empty() ? "" : colors.names().front();
        samples.push_back(ColorText::Write({0, name, true, false}, ColorTextCaller::InsertTag));
    }
    if (kinds.url)
        samples.push_back("../pages/page.html");
    if (kinds.string || kinds.javascript || kinds.image || kinds.windowname || kinds.font)
        samples.push_back("\"Some text\"");
    return samples;
}

// The words of a document type's public identifier ("\"-//W3C//DTD" ...) are
// offered one by one as check boxes; alone, such a word opens a quote that
// only the other words close, so it cannot check clean by itself.
bool isQuotedPiece(const std::string& name) {
    return std::count(name.begin(), name.end(), '"') % 2 == 1;
}

// Every text Insert Tag can build for tag from the fields: none filled, then
// each field on its own with each of its samples.
std::vector<std::string> insertTagTexts(const CTagDef& tag, const SharedArguments& shared,
                                        const ColorNames& colors) {
    const std::vector<TagArgumentField> fields = shared.fieldsOf(tag);
    std::vector<TagArgumentValue> empty;
    for (const TagArgumentField& field : fields)
        empty.push_back({field.definition->name, field.kind, "", false});
    std::vector<std::string> texts = {BuildTagText(tag.name, empty)};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (isQuotedPiece(fields[i].definition->name))
            continue;
        std::vector<TagArgumentValue> filled = empty;
        if (IsFlagKind(fields[i].kind)) {
            filled[i].checked = true;
            texts.push_back(BuildTagText(tag.name, filled));
            continue;
        }
        for (const std::string& sample : sampleValues(*fields[i].definition, colors)) {
            filled[i].text = sample;
            texts.push_back(BuildTagText(tag.name, filled));
        }
    }
    return texts;
}

std::string placedPage(const CTagDef& tag, const std::vector<std::string>& chain,
                       const std::vector<std::string>& texts) {
    std::string page;
    for (const std::string& parent : chain)
        page += "<" + parent + ">\n";
    for (const std::string& text : texts)
        page += text + (tag.open ? "\n" : "</" + tag.name + ">\n");
    for (auto parent = chain.rbegin(); parent != chain.rend(); ++parent)
        page += "</" + *parent + ">\n";
    return page;
}

// One page per tag; the command-line checker reads them as the user's
// files, so what it prints is what a user would see.
TEST_F(VocabularyTest, EveryTagInsertTagBuildsChecksClean) {
    const std::map<std::string, std::vector<std::string>> chains = placementChains(*data_);
    const SharedArguments shared(*data_);
    TempDir pages;
    std::vector<std::string> paths;
    std::size_t texts = 0;
    for (const CTagDef& tag : data_->tags()) {
        const auto chain = chains.find(tag.name);
        ASSERT_NE(chain, chains.end()) << tag.name << " can stand nowhere";
        const std::vector<std::string> built = insertTagTexts(tag, shared, data_->colors());
        texts += built.size();
        const std::string page = placedPage(tag, chain->second, built);
        EXPECT_EQ(joined(errorsOf(page)), "") << tag.name;
        paths.push_back(pages.write("tag" + std::to_string(paths.size()) + ".html", page));
    }
    EXPECT_GT(texts, data_->tags().size() * 100);
#ifdef TAGWRIGHT_CHECK_BINARY
    CheckRunner checker(pages);
    std::vector<std::string> arguments = {"--tags", kDataDir + "Tags.txt", "--colors",
                                          kDataDir + "Colors.txt"};
    arguments.insert(arguments.end(), paths.begin(), paths.end());
    EXPECT_EQ(checker.run(arguments), 0) << checker.out << checker.err;
#endif
}

// --- value kinds ----------------------------------------------------------------

TEST_F(VocabularyTest, ResourceArgumentsAreLinksThatAcceptAnyAddress) {
    const std::set<std::string> resources = {"HREF",   "SRC",        "ACTION",     "CITE",
                                             "POSTER", "FORMACTION", "BACKGROUND", "LOWSRC"};
    int seen = 0;
    for (const CTagDef& tag : data_->tags())
        for (const CArgDef& arg : tag.arguments)
            if (resources.count(arg.name)) {
                ++seen;
                EXPECT_TRUE(arg.values.link) << tag.name << " " << arg.name;
                EXPECT_TRUE(arg.values.IsValidValue("../DIR/PAGE.HTML#PART", data_->colors()))
                    << tag.name << " " << arg.name;
            }
    EXPECT_GT(seen, 0);
    ASSERT_NE(argument("OBJECT", "DATA"), nullptr);
    EXPECT_TRUE(argument("OBJECT", "DATA")->values.link);
}

TEST_F(VocabularyTest, ColourArgumentsTakeNamesAndHexButNotWords) {
    const CArgDef* bgcolor = argument("BODY", "BGCOLOR");
    ASSERT_NE(bgcolor, nullptr);
    EXPECT_TRUE(bgcolor->values.IsValidValue("ALICEBLUE", data_->colors()));
    EXPECT_TRUE(bgcolor->values.IsValidValue("#FFCC00", data_->colors()));
    EXPECT_FALSE(bgcolor->values.IsValidValue("BLUEISH", data_->colors()));
}

TEST_F(VocabularyTest, BooleanAttributesTakeTheBareFormAndTheirOwnName) {
    EXPECT_EQ(joined(errorsOf("<input type=checkbox checked>\n<input checked=\"checked\" "
                              "disabled=disabled>\n<select><option selected>x</select>")),
              "");
    EXPECT_EQ(joined(errorsOf("<input checked=yes>")), "Parameter to CHECKED is incorrect\n");
}

TEST_F(VocabularyTest, EnumeratedValuesAreCheckedWhateverTheirCase) {
    EXPECT_EQ(joined(errorsOf("<input type=\"Email\"><form method=post></form>")), "");
    EXPECT_EQ(joined(errorsOf("<input type=txt>")), "Parameter to TYPE is incorrect\n");
}

// --- placement ------------------------------------------------------------------

TEST_F(VocabularyTest, FragmentsAndPagesWithoutOptionalTagsCheckClean) {
    EXPECT_EQ(joined(errorsOf("<!DOCTYPE html>\n<title>t</title>\n<meta charset=utf-8>\n"
                              "<link rel=stylesheet href=s.css>\n<h1>Head</h1>\n"
                              "<p>Text with <a href=x.html>a link</a>.\n<ul><li>one<li>two</ul>\n"
                              "<table><tr><td>cell</table>\n")),
              "");
    EXPECT_EQ(joined(errorsOf("<section><h2>x</h2><p>y</p></section>")), "");
}

TEST_F(VocabularyTest, StructuralMistakesAreReported) {
    EXPECT_EQ(joined(errorsOf("<td>cell</td>")),
              "<TD> cannot be placed here\n</TD> found before <TD>\n");
    EXPECT_EQ(joined(errorsOf("<li>item")), "<LI> cannot be placed here\n");
    EXPECT_EQ(joined(errorsOf("<frame src=a.html>")), "<FRAME> cannot be placed here\n");
    EXPECT_EQ(joined(errorsOf("<table><tr></tr></table><tr>")), "<TR> cannot be placed here\n");
    EXPECT_EQ(joined(errorsOf("<body>")), "<BODY> cannot be placed here\n");
}

TEST_F(VocabularyTest, RawTextElementsSuspendChecking) {
    EXPECT_EQ(joined(errorsOf("<script>if (a<b && c>d) x = '<nonsense>';</script>\n"
                              "<style>p > a { color: red }</style>\n"
                              "<textarea><foo></textarea><title><bar></title>")),
              "");
    EXPECT_EQ(joined(errorsOf("<script></script><foo>")), "FOO is an unknown tag\n");
}

// --- attributes every element shares ----------------------------------------------

TEST_F(VocabularyTest, HtmlElementsShareGlobalAndEventAttributesAndWildcards) {
    for (const CTagDef& tag : data_->tags()) {
        if (tag.group == "SVG" || tag.group == "MathML" || tag.name == "!DOCTYPE" ||
            tag.name == "?XML")
            continue;
        for (const char* name :
             {"ID", "CLASS", "STYLE", "TITLE", "LANG", "HIDDEN", "TABINDEX", "ONCLICK", "ONKEYDOWN",
              "ONPOINTERDOWN", "DATA-ROW-ID", "ARIA-LABEL", "ROLE"})
            EXPECT_NE(tag.FindArgument(name), nullptr) << tag.name << " " << name;
    }
}

TEST_F(VocabularyTest, WindowEventsOnlyOnBodyAndFrameset) {
    EXPECT_NE(argument("BODY", "ONLOAD"), nullptr);
    EXPECT_NE(argument("BODY", "ONBEFOREUNLOAD"), nullptr);
    EXPECT_NE(argument("FRAMESET", "ONBEFOREUNLOAD"), nullptr);
    EXPECT_EQ(argument("DIV", "ONBEFOREUNLOAD"), nullptr);
}

TEST_F(VocabularyTest, MisspeltNamesAreStillUnknown) {
    EXPECT_EQ(joined(errorsOf("<p clas=x onclik=y>t</p><blockqoute>")),
              "CLAS Argument in P tag unknown\nONCLIK Argument in P tag unknown\n"
              "BLOCKQOUTE is an unknown tag\n");
}

TEST_F(VocabularyTest, DocumentTypeDeclarationsCheckClean) {
    EXPECT_EQ(joined(errorsOf("<!DOCTYPE html>\n<!doctype HTML>\n"
                              "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Frameset//EN\" "
                              "\"http://www.w3.org/TR/html4/frameset.dtd\">\n"
                              "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
                              "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\n"
                              "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n")),
              "");
}

// --- what the insert dialogs write -------------------------------------------------

std::string anchorTexts(const CTagData& data) {
    std::string html = AnchorHtml::Element({}) + "\n" + AnchorHtml::Element({"", "", "top", ""}) +
                       "\n" + AnchorHtml::Element({"sub/page.html", "", "", "caption"}) + "\n";
    for (const std::string& target : data.GetValueNames("A", "TARGET"))
        html += AnchorHtml::Element({"../up/page.html#part", target, "n", "caption"}) + "\n";
    return html;
}

std::string imageTexts(const CTagData& data) {
    std::string html = ImageHtml::Build({}) + "\n";
    for (const std::string& align : data.GetValueNames("IMG", "ALIGN")) {
        for (const std::string& suppress : data.GetValueNames("IMG", "SUPPRESS")) {
            ImageFields fields{"img/a b.gif", "img/low.gif", "A cat", "cat", align,
                               suppress,      "100",         "50%",   "0",   "2",
                               "3",           "#map",        true};
            html += ImageHtml::Build(fields) + "\n";
        }
    }
    return html;
}

std::string tableTexts(const CTagData& data) {
    ColorChoice blue;
    blue.value = 0x0000FF;
    ColorChoice named;
    named.name = "Navy";
    named.byName = true;
    std::string html;
    const auto add = [&html](const TableFields& fields, std::string_view clipboard) {
        html += TableHtml::Build(fields, 1, clipboard, std::size_t{1048574}).value();
        html += "\n";
    };
    add({}, "");
    for (const std::string& align : data.GetValueNames("TABLE", "ALIGN")) {
        add({"3", "2", align, "1", "2", ColorText::Write(blue, ColorTextCaller::InsertTable), "100",
             "80%", "4", "5", "", "", false},
            "");
    }
    for (const std::string& align : data.GetValueNames("CAPTION", "ALIGN")) {
        add({"", "", "", "", "", ColorText::Write(named, ColorTextCaller::InsertTable), "", "", "",
             "", "Prices", align, true},
            "a\tb\tc\nd\te\tf\ng\th");
    }
    add({"", "", "", "", "", "", "", "", "", "", "", "", true}, "");
    return html;
}

std::string framesTexts(const CTagData& data) {
    ColorChoice blue;
    blue.value = 0x0000FF;
    std::string html = FramesHtml::Build({}, 0) + "\n";
    for (const std::string& border : data.GetValueNames("FRAMESET", "FRAMEBORDER")) {
        FramesFields fields;
        fields.setColCount(3);
        fields.setRowCount(2);
        fields.colWidths = {"100", "", "20%"};
        fields.rowHeights = {"", "80"};
        fields.frameBorder = border;
        fields.border = "2";
        fields.borderColor = ColorText::Write(blue, ColorTextCaller::InsertFrames);
        html += FramesHtml::Build(fields, 1) + "\n";
    }
    FramesFields single;
    single.setColCount(1);
    html += FramesHtml::Build(single, 0) + "\n";
    return html;
}

std::string insertDialogTexts(const CTagData& data) {
    return anchorTexts(data) + imageTexts(data) + tableTexts(data) + framesTexts(data);
}

TEST_F(VocabularyTest, EveryTextTheInsertDialogsWriteChecksClean) {
    const std::string html = insertDialogTexts(*data_);
    EXPECT_NE(html.find("BGCOLOR=#0000ff"), std::string::npos);
    EXPECT_NE(html.find("<FRAMESET COLS=\"100, *, 20%\" ROWS=\"*, 80\""), std::string::npos);
    EXPECT_EQ(joined(errorsOf(html)), "");
}

#ifdef TAGWRIGHT_CHECK_BINARY
// The same texts through the command-line checker, as a user checks a page
// the editor wrote.
TEST_F(VocabularyTest, TheCommandLineCheckerFindsNothingInTheInsertDialogsTexts) {
    TempDir dir;
    const std::string page = dir.write("inserted.html", insertDialogTexts(*data_)).string();
    CheckRunner checker(dir);
    EXPECT_EQ(
        checker.run({"--tags", kDataDir + "Tags.txt", "--colors", kDataDir + "Colors.txt", page}),
        0)
        << checker.out << checker.err;
    EXPECT_EQ(checker.out, "");
}
#endif

} // namespace
