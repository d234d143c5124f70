#include "ui/image_cache.h"

#include "ui/skin_path.h"

namespace quorvel {

const SkinImage* SkinImageCache::image(std::string_view fileName) {
    const std::string key(fileName);
    if (auto found = images_.find(key); found != images_.end())
        return found->second.get();
    std::unique_ptr<SkinImage> decoded = decoder_.decode(SkinPath(directory_, fileName));
    if (decoded == nullptr)
        return nullptr;
    return images_.emplace(key, std::move(decoded)).first->second.get();
}

void SkinImageCache::setSkinDirectory(std::string_view directory) {
    if (directory == directory_)
        return;
    images_.clear();
    directory_ = directory;
}

}  // namespace quorvel
