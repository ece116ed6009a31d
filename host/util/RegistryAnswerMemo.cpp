#include "host/util/RegistryAnswerMemo.h"

namespace {

thread_local RegistryAnswerMemo* t_open = nullptr;

} // namespace

RegistryAnswerMemo::RegistryAnswerMemo()
    : m_joined(t_open != nullptr)
{
    if (!m_joined)
        t_open = this;
}

RegistryAnswerMemo::~RegistryAnswerMemo()
{
    if (!m_joined)
        t_open = nullptr;
}

const std::string* RegistryAnswerMemo::Find(const std::string& question)
{
    if (!t_open)
        return nullptr;
    const auto it = t_open->m_answers.find(question);
    return it == t_open->m_answers.end() ? nullptr : &it->second;
}

void RegistryAnswerMemo::Remember(const std::string& question, const std::string& answer)
{
    if (t_open)
        t_open->m_answers[question] = answer;
}
