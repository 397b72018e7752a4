// The numbered fonts and the start-up loading of fonts and embedded images,
// in the order the start-up sequence gives.
#pragma once

namespace app {

// Loads font `number` from the program's font table (Verdana and Consolas,
// substituted by the closest installed faces).
void load_numbered_font(int number);
// The start-up loads fonts and images in three steps, in this order: the
// fonts with the clock and tool images, the logo and menu images, then the
// music information strip with its font.
void load_fonts_and_tool_images();
void load_menu_images();
void load_music_info_resources();

}  // namespace app
