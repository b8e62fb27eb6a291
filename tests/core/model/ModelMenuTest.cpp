// The models menu worked out from the model list.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LIRModelTestSupport.h"
#include "model/LIRModelList.h"
#include "model/ModelMenu.h"

namespace lir {
namespace {

void addModel(TLIRModelList& list, std::uint8_t family, const char* familyName, const char* description,
              int outputs) {
  TLIRModelData data{.Family = family, .Description = description, .FamilyName = familyName};
  data.Outputs.resize(static_cast<std::size_t>(outputs));
  list.Add(std::make_unique<TLIRModel>(data));
}

// "Caption" for a plain entry, "Caption[item|item]" for a submenu.
std::string shape(const std::vector<TModelMenuEntry>& menu) {
  std::string text;
  for (const TModelMenuEntry& entry : menu) {
    if (!text.empty()) text += "; ";
    text += entry.Caption;
    if (!entry.Submenu) continue;
    text += "[";
    for (std::size_t i = 0; i < entry.Items.size(); ++i) text += (i ? "|" : "") + entry.Items[i].Caption;
    text += "]";
  }
  return text;
}

TEST(ModelMenuTest, ConsecutiveModelsOfAFamilyFormASubmenu) {
  TLIRModelList list;
  addModel(list, 9, "Блоки", "ЛОВ-1", 24);
  addModel(list, 9, "Блоки", "ЛОВ-2", 32);
  addModel(list, 7, "ЛИР-3С", "ЛИР-3.8С", 32);
  addModel(list, 3, "ЛИР-3", "ЛИР-3.1", 8);
  addModel(list, 3, "ЛИР-3", "ЛИР-3.5 (32 вых.)", 32);
  // Same family again, but not next to the others: a separate entry.
  addModel(list, 7, "ЛИР-3С", "ЛИР-3.9С", 16);

  const auto menu = BuildModelMenu(list);

  EXPECT_EQ(shape(menu),
            "Блоки[ЛОВ-1 (24 вых.)|ЛОВ-2 (32 вых.)]; ЛИР-3.8С (32 вых.); "
            "ЛИР-3[ЛИР-3.1 (8 вых.)|ЛИР-3.5 (32 вых.)]; ЛИР-3.9С (16 вых.)");
  ASSERT_EQ(menu.size(), 4u);
  EXPECT_EQ(menu[0].Family, 9);
  EXPECT_EQ(menu[0].Items[1].Model, &list.Items(1));
  EXPECT_FALSE(menu[1].Submenu);
  ASSERT_EQ(menu[1].Items.size(), 1u);
  EXPECT_EQ(menu[1].Items[0].Model, &list.Items(2));
  EXPECT_TRUE(BuildModelMenu(TLIRModelList()).empty());
}

TEST(ModelMenuTest, CaptionNamesTheOutputsOnce) {
  struct Case {
    const char* Description;
    int Outputs;
    const char* Caption;
  };
  const std::vector<Case> cases = {
      {"ЛИР-3.2Н", 16, "ЛИР-3.2Н (16 вых.)"},
      {"ЛИР-3.5 (32 вых.)", 32, "ЛИР-3.5 (32 вых.)"},
      {"Плата выходов", 4, "Плата выходов"},  // "вых" anywhere
      {"", 0, " (0 вых.)"},
      // The composite models always show three boards' worth.
      {"ЛИР-3.4Н", 45, "ЛИР-3.4Н (48 вых.)"},
      {"ЛИР-3.6Н", 64, "ЛИР-3.6Н (64 вых.)"},
  };
  for (const Case& c : cases) {
    TLIRModelData data{.Description = c.Description};
    data.Outputs.resize(static_cast<std::size_t>(c.Outputs));
    EXPECT_EQ(ModelMenuCaption(TLIRModel(data)), c.Caption) << c.Description;
  }
}

TEST(ModelMenuTest, SampleModelsGiveFamilySubmenusAndALoneModel) {
  const auto loaded = test::loadFolder(test::sampleModelFolder());
  const auto menu = BuildModelMenu(*loaded.Models);
  std::vector<std::string> top;
  for (const auto& entry : menu) top.push_back(entry.Caption);
  EXPECT_EQ(top, (std::vector<std::string>{"ЛИР-3 с выносными блоками", "ЛИР-3.8С (32 вых.)", "ЛИР-3 для АСУДД",
                                           "ЛИР-3 адаптивные", "ЛИР-3"}));
  ASSERT_EQ(menu.size(), 5u);
  std::vector<std::string> family3;
  for (const auto& item : menu[4].Items) family3.push_back(item.Caption);
  EXPECT_EQ(family3, (std::vector<std::string>{"ЛИР-3.1 (8 вых.)", "ЛИР-3.1М (12 вых.)", "ЛИР-3.2Н (16 вых.)",
                                               "ЛИР-3.2НМ (16 вых.)", "ЛИР-3.3Н (24 вых.)", "ЛИР-3.4Н (48 вых.)",
                                               "ЛИР-3.5 (32 вых.)", "ЛИР-3.6Н (64 вых.)"}));
}

}  // namespace
}  // namespace lir
