#include "display/surface_list.h"

#include <new>

#include "shell/error_handler.h"
#include "shell/globals.h"

SurfaceListClass::SurfaceListClass()
    : newest(nullptr), first(nullptr), current(nullptr), name("SurfaceListClass") {}

SurfaceListClass::~SurfaceListClass() {
    Clear();
}

void SurfaceListClass::Add(IDirectDrawSurface4* surface) {
    SurfaceListNode* node = new (std::nothrow) SurfaceListNode;
    if (node == nullptr) {
        errorHandler.SetError("SurfaceList error: Memory allocation failed.", 0, name);
        errorHandler.ReportDirectDraw();
    }
    node->surface = surface;
    node->older = newest;
    node->newer = nullptr;
    if (newest != nullptr) {
        newest->newer = node;
    }
    newest = node;
    if (current == nullptr) {
        current = node;
        first = node;
    }
}

void SurfaceListClass::RemoveNewest() {
    SurfaceListNode* removed = newest;
    if (removed == nullptr) {
        return;
    }
    if (current == removed) {
        current = removed->older;
    }
    newest = removed->older;
    if (newest != nullptr) {
        newest->newer = nullptr;
    } else {
        first = nullptr;
    }
    if (removed->surface != nullptr) {
        removed->surface->Release();
        removed->surface = nullptr;
    }
    delete removed;
}

void SurfaceListClass::Clear() {
    while (newest != nullptr) {
        RemoveNewest();
    }
}

void SurfaceListClass::Advance() {
    if (current == nullptr) {
        return;
    }
    current = current->newer != nullptr ? current->newer : first;
}

void SurfaceListClass::StepBack() {
    if (current == nullptr) {
        return;
    }
    current = current->older != nullptr ? current->older : newest;
}

void SurfaceListClass::Rewind() {
    current = first;
}
