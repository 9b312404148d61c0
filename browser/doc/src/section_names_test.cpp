#include "browser/doc/section_names.h"

#include <gtest/gtest.h>

namespace browser {
namespace {

TEST(SectionNames, MainIsSpecialOnlyForElementsAndScripts) {
  EXPECT_EQ(ElementSection("Main", 3), "Element_3");
  EXPECT_EQ(ElementSection("main", 3), "main_Element_3");
  EXPECT_EQ(ElementSection("Element_2", 1), "Element_2_Element_1");
  EXPECT_EQ(ScriptSection("Main", 1), "Script_1");
  EXPECT_EQ(ScriptSection(ElementSection("Main", 3), 1), "Element_3_Script_1");
  EXPECT_EQ(ScriptItemSection(ScriptSection("Element_3", 1), 2), "Element_3_Script_1_ScriptItem_2");
  EXPECT_EQ(ScriptItemSection("Script_1", 1), "Script_1_ScriptItem_1");
  EXPECT_EQ(FrameSection("Element_3", 0), "Element_3_Frame_0");
  EXPECT_EQ(ParamSection("Script_1_ScriptItem_1", 0), "Script_1_ScriptItem_1_Param_0");
  EXPECT_EQ(PropertySection("Script_1_ScriptItem_1", 2), "Script_1_ScriptItem_1_Property_2");
}

}  // namespace
}  // namespace browser
