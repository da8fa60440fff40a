// Output names of a batch run: a new file never takes the name of an existing one, nor of one another
// file of the same run is being written under (files are converted side by side).
#pragma once

#include <mutex>
#include <set>
#include <string>

class TBatchOutputNames {
public:
    // The unique name in Folder for Name ("a.mp3", else "a(1).mp3", ...), held until Release.
    std::string Reserve(const std::string& Name, const std::string& Folder);
    void Release(const std::string& Path);

private:
    std::mutex FLock;
    std::set<std::string> FReserved;
};
