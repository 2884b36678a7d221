#pragma once
// A list of untyped pointers with positions, in the classic collection style.

struct POSITION__;
using POSITION = POSITION__*;

class CPtrList {
public:
    explicit CPtrList(int nBlockSize = 10);
    CPtrList(const CPtrList&) = delete;
    CPtrList& operator=(const CPtrList&) = delete;
    ~CPtrList();

    int GetCount() const { return static_cast<int>(m_count); }
    bool IsEmpty() const { return m_count == 0; }
    POSITION AddHead(void* p);
    POSITION AddTail(void* p);
    void* GetHead() const;
    void* GetTail() const;
    void* RemoveHead();
    void* RemoveTail();
    void RemoveAll();
    POSITION GetHeadPosition() const;
    POSITION GetTailPosition() const;
    void*& GetNext(POSITION& rPosition) const; // the element at rPosition; rPosition moves on (null at the end)
    void*& GetPrev(POSITION& rPosition) const;
    void*& GetAt(POSITION position) const;
    void RemoveAt(POSITION position);
    POSITION Find(void* searchValue, POSITION startAfter = nullptr) const;

private:
    struct Node {
        Node* prev;
        Node* next;
        void* data;
    };
    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    long m_count = 0;
};
