#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

class CMyEditBox;

// What the Validate Links dialog needs of the open documents.
class ILinkDocuments {
public:
    virtual ~ILinkDocuments() = default;

    // Every open document with a path, as (path, editor).
    virtual std::vector<std::pair<std::string, CMyEditBox*>> openDocuments() = 0;
    // Opens path in the editor, or activates the window showing it; null
    // when it cannot be opened (the user has been told).
    virtual CMyEditBox* openInEditor(const std::string& path) = 0;
    // Opens path as File Open does: kinds the editor does not show go to
    // the desktop.
    virtual void openFile(const std::string& path) = 0;
    // The document of editor keeps records alive that its marks point at.
    virtual void keepMarkLinks(CMyEditBox& editor, std::shared_ptr<const void> records) = 0;

protected:
    ILinkDocuments() = default;
    ILinkDocuments(const ILinkDocuments&) = default;
    ILinkDocuments& operator=(const ILinkDocuments&) = default;
};
