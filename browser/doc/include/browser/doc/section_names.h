#pragma once

#include <string>
#include <string_view>

namespace browser {

// Every loadable object of a document reads its settings from its own section; children's
// section names are built from the parent's. Element, script and script item numbers start
// at 1; frame, parameter and property numbers at 0.
//
//   Main                              document globals and the main page
//   Element_3                         third element of the main page
//   Group_Element_2                   second element of a container whose section is Group
//   Script_1, Element_3_Script_1      scripts of Main, of any other object
//   Element_3_Script_1_ScriptItem_2   second action of that script
//   Element_3_Frame_0                 first frame of an image list
//   <action>_Param_0, <action>_Property_0
inline constexpr std::string_view kMainSection = "Main";

// "Element_n" inside Main, otherwise "<container>_Element_n" (the test for Main is
// case-sensitive).
std::string ElementSection(std::string_view container, int n);
// "Script_n" for Main, otherwise "<object>_Script_n".
std::string ScriptSection(std::string_view object, int n);
std::string ScriptItemSection(std::string_view script, int n);
std::string FrameSection(std::string_view element, int n);
std::string ParamSection(std::string_view action, int n);
std::string PropertySection(std::string_view action, int n);

}  // namespace browser
