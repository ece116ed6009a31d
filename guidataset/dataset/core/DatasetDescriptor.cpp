#include "guidataset/dataset/core/DatasetDescriptor.h"

#include "platform/core/Paths.h"

namespace {

constexpr char kStoredLineBreak = '\x08';

} // namespace

std::string DatasetDescriptorPath(const std::string& dataSetPath)
{
    std::string path = dataSetPath;
    if (!platform::EndsWithSeparator(path))
        path += '/';
    return path + kDatasetDescriptorFileName;
}

std::string ServiceCreationDescriptor(const std::string& user, bool locked)
{
    return "<DatasetDesc><Creater>" + user + "</Creater><IsLocked>" + (locked ? "True" : "False") +
           "</IsLocked></DatasetDesc>";
}

std::string NewDialogCreationDescriptor(const std::string& user)
{
    return "<DatasetDesc><Creater>" + user + "</Creater></DatasetDesc>";
}

bool WriteServiceCreationDescriptor(const std::string& dataSetPath, const std::string& user,
                                    bool locked)
{
    return platform::AtomicWriteFile(DatasetDescriptorPath(dataSetPath),
                                     ServiceCreationDescriptor(user, locked));
}

bool WriteNewDialogCreationDescriptor(const std::string& dataSetPath, const std::string& user)
{
    return platform::AtomicWriteFile(DatasetDescriptorPath(dataSetPath),
                                     NewDialogCreationDescriptor(user));
}

std::string DescriptionToStored(const std::string& text)
{
    std::string stored;
    stored.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            stored += kStoredLineBreak;
            ++i;
        } else if (text[i] == '\n') {
            stored += kStoredLineBreak;
        } else {
            stored += text[i];
        }
    }
    return stored;
}

std::string DescriptionFromStored(const std::string& stored)
{
    std::string text;
    text.reserve(stored.size() + 8);
    for (char c : stored) {
        if (c == kStoredLineBreak)
            text += "\r\n";
        else
            text += c;
    }
    return text;
}
