#pragma once
// While one is open on a thread, the DataFolder registry remembers its answers
// on that thread (current DataFolder, name to path, path to name). A
// session-log import asks the same questions for each of its thousands of
// pieces, and the project's DataFolders stay as they are while it runs.
// Nested memos share the outer one's answers.
#include <string>
#include <unordered_map>

class RegistryAnswerMemo {
public:
    RegistryAnswerMemo();
    ~RegistryAnswerMemo();
    RegistryAnswerMemo(const RegistryAnswerMemo&) = delete;
    RegistryAnswerMemo& operator=(const RegistryAnswerMemo&) = delete;

    // The remembered answer to question, or nullptr (also when no memo is open).
    static const std::string* Find(const std::string& question);
    // Keeps answer when a memo is open on this thread; otherwise does nothing.
    static void Remember(const std::string& question, const std::string& answer);

private:
    std::unordered_map<std::string, std::string> m_answers;
    bool m_joined = false;
};
