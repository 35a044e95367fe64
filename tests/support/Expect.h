// Expectations the core tests share.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "common/DataError.h"

// The statement throws a DataError whose reason holds text and which names
// input line `at_line` (0: none).
#define EXPECT_DATA_ERROR(statement, text, at_line)                           \
  do {                                                                        \
    try {                                                                     \
      statement;                                                              \
      ADD_FAILURE() << "no data error, expected: " << (text);                 \
    } catch (const ::spanwise::DataError& data_error) {                       \
      EXPECT_NE(std::string(data_error.what()).find(text), std::string::npos) \
          << data_error.what();                                               \
      EXPECT_EQ(data_error.line(), (at_line)) << data_error.what();           \
    }                                                                         \
  } while (false)
