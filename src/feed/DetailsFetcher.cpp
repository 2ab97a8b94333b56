#include "feed/DetailsFetcher.h"

#include "feed/DetailsExchange.h"

namespace plivant {

DetailsFetcher::~DetailsFetcher() {
    ui_.Cancel();
    client_.Shutdown();
    if (worker_.joinable()) worker_.join();
}

bool DetailsFetcher::Fetch(std::string host, std::string port, std::string id, Done done) {
    if (busy_) return false;
    busy_ = true;
    if (worker_.joinable()) worker_.join();  // the previous fetch has finished: busy_ was clear
    worker_ = std::thread([this, host = std::move(host), port = std::move(port), id = std::move(id),
                           done = std::move(done)] {
        std::string text, error;
        try {
            text = FetchDetails(client_, host, port, id, limit_);
        } catch (const std::exception& e) {
            client_.SetActive(false);
            error = e.what();
        }
        ui_.Run([&] {
            busy_ = false;
            done(text, error);
        });
    });
    return true;
}

}  // namespace plivant
