#include "dictionary/idtable.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

namespace pelmora {
namespace {

// Random inserts, finds and removals checked against std::map, through growth and through many
// removed slots (which must neither hide present ids nor fill the table).
TEST(IdTable, AgreesWithAMapThroughGrowthAndRemovals)
{
    pugi::xml_document tree;
    std::vector<std::string> ids;
    std::vector<XmlNode> nodes;
    for (int i = 0; i < 3000; ++i) {
        ids.push_back("id" + std::to_string(i * 7919 % 3001));
        nodes.push_back(tree.append_child("e"));
    }
    ids.emplace_back("");  // the empty id is an id like any other
    nodes.push_back(tree.append_child("e"));

    IdTable table;
    std::map<std::string, XmlNode> expected;
    std::mt19937 random(7);
    for (int step = 0; step < 60000; ++step) {
        const std::size_t k = random() % ids.size();
        const std::string& id = ids[k];
        switch (random() % 3) {
        case 0:
            EXPECT_EQ(table.insert(id, nodes[k]), expected.emplace(id, nodes[k]).second) << id;
            break;
        case 1:
            table.erase(id);
            expected.erase(id);
            break;
        default:
            break;
        }
        const auto found = expected.find(id);
        ASSERT_EQ(table.find(id), found == expected.end() ? XmlNode() : found->second) << "step " << step;
        ASSERT_EQ(table.size(), expected.size());
    }
    for (std::size_t k = 0; k < ids.size(); ++k)
        EXPECT_EQ(static_cast<bool>(table.find(ids[k])), expected.count(ids[k]) == 1) << ids[k];
    table.clear();
    EXPECT_EQ(table.size(), 0U);
    EXPECT_FALSE(table.find(ids[0]));
    EXPECT_TRUE(table.insert(ids[0], nodes[0]));
}

TEST(IdTable, ComparesWholeIdsNotPrefixes)
{
    pugi::xml_document tree;
    const XmlNode a = tree.append_child("a");
    const XmlNode b = tree.append_child("b");
    IdTable table;
    const std::string kala = "kala";
    const std::string kalad = "kalad";
    EXPECT_TRUE(table.insert(kala, a));
    EXPECT_TRUE(table.insert(kalad, b));
    EXPECT_FALSE(table.insert(std::string("kala"), b));
    EXPECT_EQ(table.find("kala"), a);
    EXPECT_EQ(table.find("kalad"), b);
    EXPECT_FALSE(table.find("kal"));
    EXPECT_FALSE(table.find("Kala"));
}

}  // namespace
}  // namespace pelmora
