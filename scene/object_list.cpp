#include "scene/object_list.h"

#include <new>

#include "scene/screen_object.h"
#include "shell/error_handler.h"

ObjectList::~ObjectList() { Clear(); }

bool ObjectList::Add(ScreenObject* object) {
    ListElem* element = new (std::nothrow) ListElem;
    if (!element) {
        errorHandler.SetError("Link list error: Memory allocation failed.", 0, className);
        errorHandler.ReportDirectDraw();
    }
    element->next = head;
    element->object = object;
    head = element;
    return true;
}

void ObjectList::RemoveFirst() {
    ListElem* kept = head;
    cursor = nullptr;
    head = kept->next;
    delete kept->object;
    delete kept;
}

void ObjectList::Clear() {
    while (head)
        RemoveFirst();
}

ListElem* ObjectList::Next() {
    if (cursor)
        cursor = cursor->next;
    return cursor;
}

ListElem* ObjectList::FindById(int id) {
    First();
    while (cursor && (!cursor->object || cursor->object->GetId() != id))
        cursor = cursor->next;
    return cursor;
}
