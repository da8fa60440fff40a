#include "platform/vcl/TreeViewNodes.h"

#include "platform/vcl/TreeView.h"

#include <algorithm>

TTreeNode::TTreeNode(TTreeNodes* AOwner, TTreeNode* AParent) : FOwner(AOwner), FParent(AParent) {}

TTreeNode::~TTreeNode() = default;

void TTreeNode::Changed(bool Structure) {
    if (FOwner != nullptr) FOwner->NodeChanged(this, Structure);
}

void TTreeNode::SetText(const std::string& Value) {
    if (FText == Value) return;
    FText = Value;
    Changed(false);
}

void TTreeNode::SetImageIndex(int Value) {
    FImageIndex = Value;
    Changed(false);
}

void TTreeNode::SetSelectedIndex(int Value) {
    FSelectedIndex = Value;
    Changed(false);
}

void TTreeNode::SetStateIndex(int Value) {
    FStateIndex = Value;
    Changed(false);
}

TTreeNode* TTreeNode::Parent() const {
    return FParent != nullptr && FParent != FOwner->Root() ? FParent : nullptr;
}

TCustomTreeView* TTreeNode::TreeView() const {
    return FOwner->Owner();
}

TTreeNode* TTreeNode::Item(int Index) const {
    return Index >= 0 && Index < Count() ? FChildren[Index].get() : nullptr;
}

int TTreeNode::Index() const {
    if (FParent == nullptr) return -1;
    const auto& siblings = FParent->FChildren;
    for (std::size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this) return static_cast<int>(i);
    return -1;
}

int TTreeNode::Level() const {
    int level = 0;
    for (const TTreeNode* p = Parent(); p != nullptr; p = p->Parent())
        ++level;
    return level;
}

int TTreeNode::AbsoluteIndex() const {
    int index = 0;
    for (TTreeNode* n = FOwner->GetFirstNode(); n != nullptr; n = n->GetNext(), ++index)
        if (n == this) return index;
    return -1;
}

TTreeNode* TTreeNode::GetNextSibling() const {
    if (FParent == nullptr) return nullptr;
    const int i = Index();
    return FParent->Item(i + 1);
}

TTreeNode* TTreeNode::GetPrevSibling() const {
    if (FParent == nullptr) return nullptr;
    const int i = Index();
    return i > 0 ? FParent->Item(i - 1) : nullptr;
}

TTreeNode* TTreeNode::GetNext() const {
    if (HasChildren()) return GetFirstChild();
    for (const TTreeNode* n = this; n != nullptr; n = n->Parent())
        if (TTreeNode* next = n->GetNextSibling()) return next;
    return nullptr;
}

TTreeNode* TTreeNode::GetNextVisible() const {
    if (HasChildren() && FExpanded) return GetFirstChild();
    for (const TTreeNode* n = this; n != nullptr; n = n->Parent())
        if (TTreeNode* next = n->GetNextSibling()) return next;
    return nullptr;
}

TTreeNode* TTreeNode::GetPrevVisible() const {
    TTreeNode* prev = GetPrevSibling();
    if (prev == nullptr) return Parent();
    while (prev->FExpanded && prev->HasChildren())
        prev = prev->GetLastChild();
    return prev;
}

bool TTreeNode::IsVisible() const {
    for (const TTreeNode* p = Parent(); p != nullptr; p = p->Parent())
        if (!p->FExpanded) return false;
    return true;
}

bool TTreeNode::HasAsParent(const TTreeNode* Value) const {
    if (Value == nullptr) return false;
    for (const TTreeNode* p = Parent(); p != nullptr; p = p->Parent())
        if (p == Value) return true;
    return false;
}

void TTreeNode::SetExpanded(bool Value) {
    if (Value == FExpanded) return;
    TCustomTreeView* tree = TreeView();
    if (Value) {
        if (!HasChildren()) return;
        if (tree != nullptr && !tree->CanExpand(this)) return;
        FExpanded = true;
        Changed(true);
        if (tree != nullptr) tree->Expanded(this);
    } else {
        if (tree != nullptr && !tree->CanCollapse(this)) return;
        FExpanded = false;
        Changed(true);
        if (tree != nullptr) tree->Collapsed(this);
    }
}

void TTreeNode::Expand(bool Recurse) {
    SetExpanded(true);
    if (Recurse)
        for (int i = 0; i < Count(); ++i)
            FChildren[i]->Expand(true);
}

void TTreeNode::Collapse(bool Recurse) {
    SetExpanded(false);
    if (Recurse)
        for (int i = 0; i < Count(); ++i)
            FChildren[i]->Collapse(true);
}

bool TTreeNode::Selected() const {
    TCustomTreeView* tree = TreeView();
    return tree != nullptr && tree->Selected() == this;
}

void TTreeNode::SetSelected(bool Value) {
    TCustomTreeView* tree = TreeView();
    if (tree == nullptr) return;
    if (Value)
        tree->SetSelected(this);
    else if (tree->Selected() == this)
        tree->SetSelected(nullptr);
}

void TTreeNode::MakeVisible() {
    for (TTreeNode* p = Parent(); p != nullptr; p = p->Parent())
        p->SetExpanded(true);
    if (TCustomTreeView* tree = TreeView()) tree->ScrollToRow(tree->RowOf(this));
}

void TTreeNode::Delete() {
    FOwner->Delete(this);
}

void TTreeNode::DeleteChildren() {
    while (HasChildren())
        FOwner->Delete(GetLastChild());
    FExpanded = false;
    Changed(true);
}

// ---- TTreeNodes

TTreeNodes::TTreeNodes(TCustomTreeView* AOwner)
    : FOwner(AOwner), FRoot(std::make_unique<TTreeNode>(this, nullptr)) {
    FRoot->FExpanded = true;
}

TTreeNodes::~TTreeNodes() {
    // The nodes go without notifications: the tree view is going too.
    FOwner = nullptr;
}

int TTreeNodes::Count() const {
    int count = 0;
    for (TTreeNode* n = GetFirstNode(); n != nullptr; n = n->GetNext())
        ++count;
    return count;
}

TTreeNode* TTreeNodes::Item(int Index) const {
    if (Index < 0) return nullptr;
    TTreeNode* n = GetFirstNode();
    while (n != nullptr && Index-- > 0)
        n = n->GetNext();
    return n;
}

TTreeNode* TTreeNodes::InsertAt(TTreeNode* Parent, int Position, const std::string& S, void* Ptr) {
    auto node = std::make_unique<TTreeNode>(this, Parent);
    node->FText = S;
    node->FData = Ptr;
    TTreeNode* result = node.get();
    Position = std::clamp(Position, 0, Parent->Count());
    Parent->FChildren.insert(Parent->FChildren.begin() + Position, std::move(node));
    if (FOwner != nullptr && FOwner->SortType() != stNone && !Updating()) FOwner->SortChildren(Parent, false);
    NodeChanged(result, true);
    return result;
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* Sibling, const std::string& S, void* Ptr) {
    TTreeNode* parent = Sibling != nullptr ? Sibling->FParent : Root();
    return InsertAt(parent, parent->Count(), S, Ptr);
}

TTreeNode* TTreeNodes::AddObjectFirst(TTreeNode* Sibling, const std::string& S, void* Ptr) {
    TTreeNode* parent = Sibling != nullptr ? Sibling->FParent : Root();
    return InsertAt(parent, 0, S, Ptr);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* Parent, const std::string& S, void* Ptr) {
    TTreeNode* parent = Parent != nullptr ? Parent : Root();
    return InsertAt(parent, parent->Count(), S, Ptr);
}

TTreeNode* TTreeNodes::AddChildObjectFirst(TTreeNode* Parent, const std::string& S, void* Ptr) {
    return InsertAt(Parent != nullptr ? Parent : Root(), 0, S, Ptr);
}

TTreeNode* TTreeNodes::InsertObject(TTreeNode* Sibling, const std::string& S, void* Ptr) {
    if (Sibling == nullptr) return AddObject(nullptr, S, Ptr);
    return InsertAt(Sibling->FParent, Sibling->Index(), S, Ptr);
}

void TTreeNodes::Delete(TTreeNode* Node) {
    if (Node == nullptr || Node == Root() || Node->FOwner != this) return;
    // Children go first, so that each deletion is reported while its parent still exists.
    while (Node->HasChildren())
        Delete(Node->GetLastChild());
    if (FOwner != nullptr) FOwner->NodeDeleting(Node);
    TTreeNode* parent = Node->FParent;
    const int index = Node->Index();
    std::unique_ptr<TTreeNode> owned = std::move(parent->FChildren[index]);
    parent->FChildren.erase(parent->FChildren.begin() + index);
    if (!parent->HasChildren() && parent != Root()) parent->FExpanded = false;
    NodeChanged(parent, true);
}

void TTreeNodes::Clear() {
    BeginUpdate();
    while (TTreeNode* last = Root()->GetLastChild())
        Delete(last);
    EndUpdate();
}

void TTreeNodes::BeginUpdate() {
    ++FUpdateCount;
}

void TTreeNodes::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0 && FChangedWhileUpdating) {
        FChangedWhileUpdating = false;
        if (FOwner != nullptr && FOwner->SortType() != stNone) FOwner->SortChildren(Root(), true);
        NodeChanged(nullptr, true);
    }
}

void TTreeNodes::NodeChanged(TTreeNode* Node, bool Structure) {
    if (FOwner == nullptr) return;
    if (Updating()) {
        FChangedWhileUpdating = true;
        return;
    }
    FOwner->NodeChanged(Node, Structure);
}
