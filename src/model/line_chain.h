#pragma once
// Walking and relinking the singly linked chains of lines and budgets.

#include <memory>
#include <utility>

// Frees a chain one node at a time, so that its length never decides the
// depth of the call stack.
template <typename Node>
void DestroyChain(std::unique_ptr<Node>& head) {
  // Moving the successor in releases it from the old head before the old head
  // is deleted, so each delete sees an empty tail.
  while (head) head = std::move(head->next);
}

// The link of the index-th node, or the empty link after the last one when the
// index equals the length; nullptr beyond that.
template <typename Node>
std::unique_ptr<Node>* SlotAt(std::unique_ptr<Node>& head, int index) {
  if (index < 0) return nullptr;
  std::unique_ptr<Node>* slot = &head;
  for (; index > 0; --index) {
    if (!*slot) return nullptr;
    slot = &(*slot)->next;
  }
  return slot;
}

template <typename Node>
std::unique_ptr<Node>& TailSlot(std::unique_ptr<Node>& head) {
  std::unique_ptr<Node>* slot = &head;
  while (*slot) slot = &(*slot)->next;
  return *slot;
}

// Takes the node out of its chain, closing the gap; the node keeps no tail.
template <typename Node>
std::unique_ptr<Node> Unlink(std::unique_ptr<Node>& slot) {
  std::unique_ptr<Node> node = std::move(slot);
  if (node) slot = std::move(node->next);
  return node;
}

// Puts a node in at the link, ahead of whatever the link held.
template <typename Node>
Node& LinkIn(std::unique_ptr<Node>& slot, std::unique_ptr<Node> node) {
  node->next = std::move(slot);
  slot = std::move(node);
  return *slot;
}

template <typename Node>
int ChainLength(const std::unique_ptr<Node>& head) {
  int count = 0;
  for (const Node* node = head.get(); node; node = node->next.get()) ++count;
  return count;
}
