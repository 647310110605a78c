#pragma once

#include "platform/store/Store.h"

#include <QStringList>

namespace storetest {

// A store at path with table t (tText TEXT, bData BLOB) holding one row per text.
void makeTextStore(const QString& path, const QStringList& texts, int blobBytes = 0);

QStringList textsInStore(const QString& path);

// Runs fn and gives the StoreException it throws; fails the test when none is thrown.
template <typename Fn>
platform::StoreException thrownBy(Fn&& fn);

}  // namespace storetest

#include <gtest/gtest.h>

template <typename Fn>
platform::StoreException storetest::thrownBy(Fn&& fn)
{
    try {
        fn();
    } catch (const platform::StoreException& e) {
        return e;
    }
    ADD_FAILURE() << "no StoreException was thrown";
    return platform::StoreException(platform::StoreError::Other, "none");
}
