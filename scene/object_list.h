// The objects of the current screen, newest first. The list owns them.
#pragma once

class ScreenObject;

struct ListElem {
    ListElem* next = nullptr;
    const char* className = "ListElem";
    ScreenObject* object = nullptr;
};

class ObjectList {
  public:
    ObjectList() = default;
    ~ObjectList();
    ObjectList(const ObjectList&) = delete;
    ObjectList& operator=(const ObjectList&) = delete;

    bool Add(ScreenObject* object);
    void RemoveFirst();
    void Clear();

    void First() { cursor = head; }
    bool HasCurrent() const { return cursor != nullptr; }
    ListElem* Current() const { return cursor; }
    ListElem* Next();
    void ResetCursor() { cursor = nullptr; }
    // The newest element whose object has the id; none when no object has it.
    ListElem* FindById(int id);

  private:
    ListElem* head = nullptr;
    ListElem* cursor = nullptr;
    const char* className = "ObjectList";
};
