// TTreeNode / TTreeNodes: the items of a tree view. A node has a text, a pointer of data for its owner,
// image indexes, an expanded state and its children in order; TTreeNodes owns every node of one tree and
// adds, inserts and deletes them. Changes tell the tree view so that it shows them.
#pragma once

#include <memory>
#include <string>
#include <vector>

class TCustomTreeView;
class TTreeNodes;

class TTreeNode {
public:
    TTreeNode(TTreeNodes* AOwner, TTreeNode* AParent);
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;
    ~TTreeNode();

    const std::string& Text() const { return FText; }
    void SetText(const std::string& Value);
    void* Data() const { return FData; }
    void SetData(void* Value) { FData = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    int SelectedIndex() const { return FSelectedIndex; }
    void SetSelectedIndex(int Value);
    int StateIndex() const { return FStateIndex; }
    void SetStateIndex(int Value);

    // The node above this one; null for a top-level node.
    TTreeNode* Parent() const;
    TTreeNodes* Owner() const { return FOwner; }
    TCustomTreeView* TreeView() const;
    int Count() const { return static_cast<int>(FChildren.size()); }
    TTreeNode* Item(int Index) const;
    bool HasChildren() const { return !FChildren.empty(); }
    // The place among its siblings, and the depth (0 for a top-level node).
    int Index() const;
    int Level() const;
    // The place in tree order (every node, expanded or not).
    int AbsoluteIndex() const;

    TTreeNode* GetFirstChild() const { return FChildren.empty() ? nullptr : FChildren.front().get(); }
    TTreeNode* GetLastChild() const { return FChildren.empty() ? nullptr : FChildren.back().get(); }
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // The next node in tree order (a node before its children), null after the last.
    TTreeNode* GetNext() const;
    // The next and previous node a user sees (inside expanded parents only).
    TTreeNode* GetNextVisible() const;
    TTreeNode* GetPrevVisible() const;
    bool IsVisible() const;
    bool HasAsParent(const TTreeNode* Value) const;

    bool Expanded() const { return FExpanded; }
    // Asks the tree view's OnExpanding / OnCollapsing first; a node without children stays collapsed.
    void SetExpanded(bool Value);
    void Expand(bool Recurse);
    void Collapse(bool Recurse);
    bool Selected() const;
    void SetSelected(bool Value);
    bool Focused() const { return Selected(); }
    // Expands the parents and scrolls the node into view.
    void MakeVisible();
    // Frees the node with its children (the tree's OnDeletion runs for each).
    void Delete();
    void DeleteChildren();

private:
    friend class TTreeNodes;
    friend class TCustomTreeView;
    void Changed(bool Structure);

    TTreeNodes* FOwner;
    TTreeNode* FParent; // the hidden root for a top-level node
    std::vector<std::unique_ptr<TTreeNode>> FChildren;
    std::string FText;
    void* FData = nullptr;
    int FImageIndex = -1;
    int FSelectedIndex = -1;
    int FStateIndex = -1;
    bool FExpanded = false;
};

class TTreeNodes {
public:
    explicit TTreeNodes(TCustomTreeView* AOwner);
    TTreeNodes(const TTreeNodes&) = delete;
    TTreeNodes& operator=(const TTreeNodes&) = delete;
    ~TTreeNodes();

    TCustomTreeView* Owner() const { return FOwner; }
    // Every node of the tree.
    int Count() const;
    // The node at a place in tree order.
    TTreeNode* Item(int Index) const;
    TTreeNode* GetFirstNode() const { return FRoot->GetFirstChild(); }

    // A node after the last sibling of Sibling (top level for null).
    TTreeNode* Add(TTreeNode* Sibling, const std::string& S) { return AddObject(Sibling, S, nullptr); }
    TTreeNode* AddObject(TTreeNode* Sibling, const std::string& S, void* Ptr);
    // A node before the first sibling of Sibling.
    TTreeNode* AddFirst(TTreeNode* Sibling, const std::string& S) {
        return AddObjectFirst(Sibling, S, nullptr);
    }
    TTreeNode* AddObjectFirst(TTreeNode* Sibling, const std::string& S, void* Ptr);
    // A node after the last child of Parent (top level for null).
    TTreeNode* AddChild(TTreeNode* Parent, const std::string& S) {
        return AddChildObject(Parent, S, nullptr);
    }
    TTreeNode* AddChildObject(TTreeNode* Parent, const std::string& S, void* Ptr);
    TTreeNode* AddChildFirst(TTreeNode* Parent, const std::string& S) {
        return AddChildObjectFirst(Parent, S, nullptr);
    }
    TTreeNode* AddChildObjectFirst(TTreeNode* Parent, const std::string& S, void* Ptr);
    // A node just before Sibling (at the end of the top level for null).
    TTreeNode* Insert(TTreeNode* Sibling, const std::string& S) { return InsertObject(Sibling, S, nullptr); }
    TTreeNode* InsertObject(TTreeNode* Sibling, const std::string& S, void* Ptr);
    void Delete(TTreeNode* Node);
    void Clear();

    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return FUpdateCount > 0; }

private:
    friend class TTreeNode;
    friend class TCustomTreeView;
    TTreeNode* InsertAt(TTreeNode* Parent, int Position, const std::string& S, void* Ptr);
    void NodeChanged(TTreeNode* Node, bool Structure);
    TTreeNode* Root() const { return FRoot.get(); }

    TCustomTreeView* FOwner;
    std::unique_ptr<TTreeNode> FRoot; // the hidden parent of the top-level nodes
    int FUpdateCount = 0;
    bool FChangedWhileUpdating = false;
};
