// The bookmark and region list windows as the document commands see them: every document that
// replaces or ends the current one empties both lists.
#pragma once

class IMarkerListWindows {
public:
    virtual ~IMarkerListWindows() = default;
    virtual void ClearLists() = 0;
};
