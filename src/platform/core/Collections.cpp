#include "platform/core/Collections.h"

// A position is the address of a node.
namespace {
template <class Node>
Node* NodeOf(POSITION p)
{
    return reinterpret_cast<Node*>(p);
}
template <class Node>
POSITION PositionOf(Node* n)
{
    return reinterpret_cast<POSITION>(n);
}
} // namespace

CPtrList::CPtrList(int) {}

CPtrList::~CPtrList() { RemoveAll(); }

POSITION CPtrList::AddHead(void* p)
{
    Node* n = new Node{nullptr, m_head, p};
    (m_head ? m_head->prev : m_tail) = n;
    m_head = n;
    ++m_count;
    return PositionOf(n);
}

POSITION CPtrList::AddTail(void* p)
{
    Node* n = new Node{m_tail, nullptr, p};
    (m_tail ? m_tail->next : m_head) = n;
    m_tail = n;
    ++m_count;
    return PositionOf(n);
}

void* CPtrList::GetHead() const { return m_head ? m_head->data : nullptr; }
void* CPtrList::GetTail() const { return m_tail ? m_tail->data : nullptr; }

void* CPtrList::RemoveHead()
{
    if (!m_head) {
        return nullptr;
    }
    void* data = m_head->data;
    RemoveAt(PositionOf(m_head));
    return data;
}

void* CPtrList::RemoveTail()
{
    if (!m_tail) {
        return nullptr;
    }
    void* data = m_tail->data;
    RemoveAt(PositionOf(m_tail));
    return data;
}

void CPtrList::RemoveAll()
{
    while (m_head) {
        Node* next = m_head->next;
        delete m_head;
        m_head = next;
    }
    m_tail = nullptr;
    m_count = 0;
}

POSITION CPtrList::GetHeadPosition() const { return PositionOf(m_head); }
POSITION CPtrList::GetTailPosition() const { return PositionOf(m_tail); }

void*& CPtrList::GetNext(POSITION& rPosition) const
{
    Node* n = NodeOf<Node>(rPosition);
    rPosition = PositionOf(n->next);
    return n->data;
}

void*& CPtrList::GetPrev(POSITION& rPosition) const
{
    Node* n = NodeOf<Node>(rPosition);
    rPosition = PositionOf(n->prev);
    return n->data;
}

void*& CPtrList::GetAt(POSITION position) const { return NodeOf<Node>(position)->data; }

void CPtrList::RemoveAt(POSITION position)
{
    Node* n = NodeOf<Node>(position);
    (n->prev ? n->prev->next : m_head) = n->next;
    (n->next ? n->next->prev : m_tail) = n->prev;
    delete n;
    --m_count;
}

POSITION CPtrList::Find(void* searchValue, POSITION startAfter) const
{
    Node* n = startAfter ? NodeOf<Node>(startAfter)->next : m_head;
    for (; n; n = n->next) {
        if (n->data == searchValue) {
            return PositionOf(n);
        }
    }
    return nullptr;
}
