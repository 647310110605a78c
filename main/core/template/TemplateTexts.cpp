#include "main/core/template/TemplateTexts.h"

namespace templatestore {

namespace {

QString entry(const std::vector<QString>& list, int index)
{
    if (index < 1 || index >= static_cast<int>(list.size())) return {};
    return list[static_cast<std::size_t>(index)];
}

}  // namespace

QString SystemMessages::message(int index) const
{
    return entry(mMessages, index);
}

QString SystemMessages::link(int index) const
{
    return entry(mMessageLinks, index);
}

QString Tips::tip(int index) const
{
    return entry(mTips, index);
}

}  // namespace templatestore
