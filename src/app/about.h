#pragma once

// Centres the about window horizontally and 80 pixels above the vertical centre.
void placeAboutWindow();
