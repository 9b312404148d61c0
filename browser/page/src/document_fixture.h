#pragma once

// The fixture of the page and element tests: a document loaded from text into a fake window,
// with fake pictures and the document folders "/cd/" and "/opt/".
#include <gtest/gtest.h>

#include <string_view>

#include "browser/page/browser_document.h"
#include "browser/page/browser_page.h"
#include "browser/page/page_load_context.h"
#include "browser/script/id_manager.h"
#include "page_test_support.h"

namespace browser::testing {

class DocumentFixture : public ::testing::Test {
 protected:
  // Loads `text` as the document and answers its page.
  CBrowser& Load(std::string_view text) {
    file_ = Document(text);
    document_.set_host(&window_);
    load_.paths = {"/cd/", "/opt/"};
    load_.pictures = &pictures_;
    document_.Load(file_, load_);
    return *document_.main_page();
  }

  CDataFile file_;
  CIdManager ids_;
  PageLoadContext load_{ids_};
  FakePictures pictures_;
  FakeWindow window_;
  CBrowserDocument document_;
};

}  // namespace browser::testing
