// Shared by the scene tests: solid pictures for every name the creation lists
// use, the headless display with imagePath pointing at them, and a render of
// the object list layer by layer.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "platform/win32.h"

class ScreenObject;

namespace scenetest {

constexpr uint32_t kPictureColour = 0x406080;
constexpr int kPictureWidth = 32;
constexpr int kPictureHeight = 24;

// Writes a kPictureWidth x kPictureHeight picture of kPictureColour for every
// file the creation lists of the given screens name (all screens when the
// list is empty) into directory imagesDir.
void WriteListPictures(const std::string& imagesDir, std::initializer_list<LONG> screens = {});

// Brings up the headless host and the display once per process, writes the
// pictures of every list once into a temporary directory and points
// imagePath at it.
void UseListPictures();
// Points imagePath at a directory (with its trailing slash added).
void UseImagesDirectory(const std::string& imagesDir);

// Enters the screen as the game does: SetScreen and LoadScreen.
void EnterScreen(LONG screenId);
int ObjectCount();
// The object of that id on the current screen (the newest one); fails the
// test and answers null when there is none.
ScreenObject* Find(LONG id);

// Draws every visible object, layer 1 first, and shows the page.
void RenderObjects();
// Pixel (x, y) of the page last shown, as 0xRRGGBB.
uint32_t ShownPixel(int x, int y);

} // namespace scenetest
