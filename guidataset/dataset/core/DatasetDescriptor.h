#pragma once
// The descriptor "TheDataset.Desc" that every DataFolder may hold: a small XML
// text without declaration, root DatasetDesc, naming its creator, description
// and lock flag.
#include <string>

inline constexpr const char* kDatasetDescriptorFileName = "TheDataset.Desc";

// The descriptor of the DataFolder at dataSetPath. A '/' is added only when the
// path ends in neither '/' nor '\\', so the result is also the lock cache key.
std::string DatasetDescriptorPath(const std::string& dataSetPath);

// Text written when the service creates a DataFolder: creator and lock flag,
// one line, the user name not escaped.
std::string ServiceCreationDescriptor(const std::string& user, bool locked);
// Text written by the New dialog: creator only, so the DataFolder starts unlocked.
std::string NewDialogCreationDescriptor(const std::string& user);

// Replace the descriptor of the DataFolder at dataSetPath with the matching
// creation text. False, with nothing written, when the file can't be written;
// the DataFolder then still counts as created. The lock cache is not touched.
bool WriteServiceCreationDescriptor(const std::string& dataSetPath, const std::string& user,
                                    bool locked);
bool WriteNewDialogCreationDescriptor(const std::string& dataSetPath, const std::string& user);

// The description keeps its line breaks as single 0x08 characters. Storing turns
// CR LF (and a bare LF, as text edits deliver it) into 0x08; reading turns every
// 0x08 back into CR LF.
std::string DescriptionToStored(const std::string& text);
std::string DescriptionFromStored(const std::string& stored);
