#include "EditingSupport.h"

#include "editing/EditScript.h"
#include "support/StoreInvariants.h"

#include <gtest/gtest.h>

#include <random>

using namespace tarvel;
using namespace testsupport;

namespace {

class EditScriptTest : public ::testing::Test, public Editing {
protected:
    std::vector<EditResult> run(const std::vector<std::string>& words)
    {
        const EditScriptParse parse = parseEditScript(words);
        EXPECT_EQ(parse.error, "");
        std::vector<EditResult> results;
        for (const auto& op : parse.operations)
            results.push_back(applyEditOperation(editor, store, state, op));
        return results;
    }
};

} // namespace

TEST(EditScriptParse, ReadsEveryOperationAndStopsAtTheFirstBadWord)
{
    auto parse = parseEditScript({"add", "0", "14,10,12,1,-2,3,con,coma", "insert", "1", "4", "11,10,12,0,0,0", "delete",
                                  "0", "3", "space", "0", "2", "sub", "giro", "new"});
    ASSERT_EQ(parse.error, "");
    ASSERT_EQ(parse.operations.size(), 6u);
    EXPECT_EQ(parse.operations[0].element.arg2, -2);
    EXPECT_EQ(parse.operations[0].element.arg3, 3);
    EXPECT_EQ(parse.operations[0].element.name, "con,coma");
    EXPECT_EQ(parse.operations[1].index, 4);
    EXPECT_EQ(parse.operations[4].element.name, "giro");
    for (const auto& bad : std::vector<std::vector<std::string>>{
             {"add", "9", "14,10,12,1,1,1"}, {"add", "0", "14,10"}, {"add", "0", "300,10,12,1,1,1"},
             {"modify", "0"}, {"sub"}, {"borrar", "0", "1"}, {"add", "0", "14,10,12,1,1,x"}})
        EXPECT_FALSE(parseEditScript(bad).error.empty()) << bad[0];
}

TEST_F(EditScriptTest, OperationsRunTheEditorsRules)
{
    auto r = run({"add", "0", "11,12,11,500,440,32", "add", "0", "17,11,10,0,0,0,una etiqueta larga", "add", "0",
                  "17,11,10,0,0,0,una_etiq"});
    EXPECT_TRUE(r[0].ok && r[1].ok);
    EXPECT_EQ(at(0, 1).text[1], 220); // the tone's bytes, as the sound dialog writes them: 220 periods
    EXPECT_EQ(at(0, 2).name, "una_etiq"); // typed names stop at 8 characters
    EXPECT_FALSE(r[2].ok);
    EXPECT_NE(r[2].message.find("Ya Existe"), std::string::npos);
    r = run({"modify", "0", "2", "17,11,10,0,0,0,otra", "modify", "0", "1", "13,10,10,1,0,0", "insert", "0", "0",
             "11,10,12,0,0,0", "sub", "s1", "add", "1", "17,15,10,0,0,0", "add", "1", "11,10,12,0,0,0"});
    EXPECT_TRUE(r[0].ok);
    EXPECT_EQ(labels(0), (std::vector<std::string>{"Inicio", "otra"}));
    EXPECT_FALSE(r[1].ok); // a wait is not made with the sound dialog
    EXPECT_FALSE(r[2].ok); // nothing goes before the program start
    EXPECT_TRUE(r[3].ok && r[4].ok);
    EXPECT_FALSE(r[5].ok); // nothing after the subroutine end
    EXPECT_FALSE(state.pending());
    EXPECT_EQ(storeInvariantFault(store), "");
}

TEST_F(EditScriptTest, RandomEditsKeepTheStoreWholeAndUndoGivesTheFirstProgramBack)
{
    const auto first = bytes();
    std::mt19937 random(7);
    const std::vector<std::string> elements = {"10,10,10,0,0,0,AB", "10,13,13,0,0,0", "11,10,12,0,0,0",
                                               "13,10,10,3,0,0", "14,10,11,1,9,1", "17,11,10,0,0,0,a",
                                               "17,11,10,0,0,0,b", "17,12,10,1,0,0,a", "17,15,10,0,0,0",
                                               "17,16,10,0,0,0", "15,21,10,1,0,0,a"};
    const std::vector<std::string> kinds = {"add", "insert", "replace", "modify", "delete", "space", "sub"};
    for (int step = 0; step < 400; ++step) {
        const std::string kind = kinds[random() % kinds.size()];
        const std::string seq = std::to_string(random() % (store.subroutineCount + 1));
        const std::string index = std::to_string(random() % 8);
        const std::string element = elements[random() % elements.size()];
        std::vector<std::string> words{kind};
        if (kind == "sub")
            words.push_back("s" + std::to_string(step % 10));
        else if (kind == "add")
            words.insert(words.end(), {seq, element});
        else if (kind == "delete" || kind == "space")
            words.insert(words.end(), {seq, index});
        else
            words.insert(words.end(), {seq, index, element});
        run(words);
        ASSERT_EQ(storeInvariantFault(store), "") << "step " << step;
        ASSERT_FALSE(state.pending());
        ProgramStore again;
        const auto saved = bytes();
        ASSERT_TRUE(loadProgram(again, saved).ok);
        ASSERT_EQ(serializeProgram(again), saved);
    }
    while (editor.canUndo())
        editor.undo();
    EXPECT_EQ(bytes(), first);
}
