#include "VirtualScene.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>
#include <opencv2/objdetect.hpp>

#include <algorithm>
#include <cmath>
#include <random>

namespace camctl {

namespace {

const char* const kWords[] = {"scan",    "camera", "page",   "record", "archive", "invoice",
                              "total",   "date",   "signed", "office", "number",  "copy",
                              "receipt", "the",    "of",     "and",    "for",     "with",
                              "report",  "item",   "amount", "review", "notes",   "section"};

// Lines of pseudo-words so that the page looks like text to an edge or text detector.
void drawTextBlock(cv::Mat& page, cv::Rect area, double fontScale, std::mt19937& rng,
                   const cv::Scalar& ink = cv::Scalar(30, 30, 30)) {
    const int lineHeight = std::max(8, int(34 * fontScale));
    const int thickness = std::max(1, int(std::lround(fontScale * 1.6)));
    std::uniform_int_distribution<int> word(0, int(sizeof(kWords) / sizeof(kWords[0])) - 1);
    for (int y = area.y + lineHeight; y < area.y + area.height; y += lineHeight) {
        int x = area.x;
        const int end = area.x + area.width - int(40 * fontScale * (rng() % 4));
        while (true) {
            const std::string w = kWords[word(rng)];
            int base = 0;
            const cv::Size s =
                cv::getTextSize(w, cv::FONT_HERSHEY_SIMPLEX, fontScale, thickness, &base);
            if (x + s.width > end)
                break;
            cv::putText(page, w, cv::Point(x, y), cv::FONT_HERSHEY_SIMPLEX, fontScale, ink,
                        thickness, cv::LINE_AA);
            x += s.width + int(12 * fontScale);
        }
    }
}

cv::Mat deskCanvas(int width, int height, std::mt19937& rng) {
    // Low-frequency grain enlarged from a small random picture gives a wood-like desk.
    cv::Mat small(std::max(2, height / 40), std::max(2, width / 400), CV_8UC1);
    cv::randu(small, 0, 40);
    cv::Mat grain;
    cv::resize(small, grain, cv::Size(width, height), 0, 0, cv::INTER_CUBIC);
    cv::Mat canvas(height, width, CV_8UC3, cv::Scalar(48, 70, 96));
    cv::Mat grain3;
    cv::cvtColor(grain, grain3, cv::COLOR_GRAY2BGR);
    canvas += grain3;
    (void)rng;
    return canvas;
}

// Lays `content` onto `canvas` through the perspective that maps its corners onto `quad`, with a
// soft shadow under it.
void placeOnDesk(cv::Mat& canvas, const cv::Mat& content, const std::vector<cv::Point2f>& quad) {
    std::vector<cv::Point> shadow;
    const float off = canvas.cols * 0.006f;
    for (const auto& p : quad)
        shadow.emplace_back(int(p.x + off), int(p.y + off));
    cv::Mat shade(canvas.size(), CV_8UC1, cv::Scalar(0));
    cv::fillConvexPoly(shade, shadow, cv::Scalar(70), cv::LINE_AA);
    const int k = (canvas.cols / 150) | 1;
    cv::GaussianBlur(shade, shade, cv::Size(k, k), 0);
    cv::Mat shade3;
    cv::cvtColor(shade, shade3, cv::COLOR_GRAY2BGR);
    canvas -= shade3;

    const std::vector<cv::Point2f> src = {{0.f, 0.f},
                                          {float(content.cols), 0.f},
                                          {float(content.cols), float(content.rows)},
                                          {0.f, float(content.rows)}};
    const cv::Mat h = cv::getPerspectiveTransform(src, quad);
    cv::warpPerspective(content, canvas, h, canvas.size(), cv::INTER_LINEAR,
                        cv::BORDER_TRANSPARENT);
}

cv::Mat documentPage(int pageWidth, std::mt19937& rng) {
    const int pageHeight = int(pageWidth * 1.414);
    cv::Mat page(pageHeight, pageWidth, CV_8UC3, cv::Scalar(242, 244, 245));
    const double f = pageWidth / 1200.0;
    cv::putText(page, "QUARTERLY REPORT", cv::Point(int(110 * f), int(170 * f)),
                cv::FONT_HERSHEY_DUPLEX, 2.0 * f, cv::Scalar(20, 20, 20), std::max(1, int(4 * f)),
                cv::LINE_AA);
    cv::line(page, cv::Point(int(110 * f), int(200 * f)), cv::Point(int(1090 * f), int(200 * f)),
             cv::Scalar(40, 40, 40), std::max(1, int(3 * f)));
    drawTextBlock(page, cv::Rect(int(110 * f), int(230 * f), int(980 * f), int(600 * f)), 0.9 * f,
                  rng);
    cv::rectangle(page, cv::Rect(int(110 * f), int(860 * f), int(450 * f), int(300 * f)),
                  cv::Scalar(200, 150, 90), cv::FILLED);
    drawTextBlock(page, cv::Rect(int(600 * f), int(860 * f), int(490 * f), int(300 * f)), 0.8 * f,
                  rng);
    drawTextBlock(page, cv::Rect(int(110 * f), int(1190 * f), int(980 * f), int(420 * f)), 0.9 * f,
                  rng);
    return page;
}

cv::Mat identityCard(int cardWidth, std::mt19937& rng) {
    const int cardHeight = int(cardWidth * 54.0 / 85.6);
    cv::Mat card(cardHeight, cardWidth, CV_8UC3, cv::Scalar(225, 232, 238));
    const double f = cardWidth / 856.0;
    cv::rectangle(card, cv::Rect(0, 0, cardWidth, int(110 * f)), cv::Scalar(150, 90, 30),
                  cv::FILLED);
    cv::putText(card, "IDENTITY CARD", cv::Point(int(40 * f), int(75 * f)), cv::FONT_HERSHEY_DUPLEX,
                1.5 * f, cv::Scalar(255, 255, 255), std::max(1, int(3 * f)), cv::LINE_AA);
    const cv::Rect photo(int(40 * f), int(150 * f), int(230 * f), int(300 * f));
    cv::rectangle(card, photo, cv::Scalar(190, 200, 210), cv::FILLED);
    const cv::Point c(photo.x + photo.width / 2, photo.y + int(130 * f));
    cv::ellipse(card, c, cv::Size(int(70 * f), int(90 * f)), 0, 0, 360, cv::Scalar(140, 170, 210),
                cv::FILLED, cv::LINE_AA);
    cv::ellipse(card, cv::Point(c.x, photo.y + photo.height), cv::Size(int(110 * f), int(80 * f)),
                0, 180, 360, cv::Scalar(80, 60, 50), cv::FILLED, cv::LINE_AA);
    drawTextBlock(card, cv::Rect(int(310 * f), int(140 * f), int(500 * f), int(330 * f)), 0.9 * f,
                  rng, cv::Scalar(40, 30, 20));
    cv::putText(card, "ID 4521 8890 1276", cv::Point(int(310 * f), int(510 * f)),
                cv::FONT_HERSHEY_SIMPLEX, 1.1 * f, cv::Scalar(20, 20, 20), std::max(1, int(2 * f)),
                cv::LINE_AA);
    return card;
}

cv::Mat qrSheet(int pageWidth, std::mt19937& rng) {
    cv::Mat page = documentPage(pageWidth, rng);
    const double f = pageWidth / 1200.0;
    const char* const texts[] = {"MIRAVELO-SHEET-0001", "https://example.org/sheet/0001"};
    for (int i = 0; i < 2; ++i) {
        cv::Mat code;
        try {
            cv::QRCodeEncoder::create()->encode(texts[i], code);
        } catch (const cv::Exception&) {
            continue;
        }
        if (code.empty())
            continue;
        const int side = int(300 * f);
        cv::Mat big;
        cv::resize(code, big, cv::Size(side, side), 0, 0, cv::INTER_NEAREST);
        cv::Mat big3;
        cv::cvtColor(big, big3, cv::COLOR_GRAY2BGR);
        const cv::Rect at(i == 0 ? int(800 * f) : int(110 * f),
                          i == 0 ? int(40 * f) : int(1250 * f), side, side);
        cv::rectangle(page,
                      at + cv::Size(int(20 * f), int(20 * f)) - cv::Point(int(10 * f), int(10 * f)),
                      cv::Scalar(255, 255, 255), cv::FILLED);
        big3.copyTo(page(at));
    }
    return page;
}

// An open book: two text pages whose lines bow toward the spine and whose paper darkens there,
// laid straight onto the canvas through a remap so the page edges curve like a real spread.
void drawBook(cv::Mat& canvas, std::mt19937& rng) {
    const int spreadW = std::min(int(canvas.cols * 0.80), int(canvas.rows * 0.85 / 0.70));
    const int spreadH = int(spreadW * 0.70);
    cv::Mat spread(spreadH, spreadW, CV_8UC3, cv::Scalar(232, 238, 240));
    const double f = spreadW / 2000.0;
    for (int side = 0; side < 2; ++side) {
        const int x0 = side * spreadW / 2 + int(110 * f);
        drawTextBlock(
            spread, cv::Rect(x0, int(120 * f), spreadW / 2 - int(220 * f), spreadH - int(240 * f)),
            0.9 * f, rng);
    }
    const cv::Point origin((canvas.cols - spreadW) / 2, (canvas.rows - spreadH) / 2);
    cv::Mat mapX(canvas.size(), CV_32FC1, cv::Scalar(-1));
    cv::Mat mapY(canvas.size(), CV_32FC1, cv::Scalar(-1));
    const float cx = spreadW * 0.5f, cy = spreadH * 0.5f;
    for (int y = 0; y < canvas.rows; ++y) {
        float* mx = mapX.ptr<float>(y);
        float* my = mapY.ptr<float>(y);
        for (int x = 0; x < canvas.cols; ++x) {
            const float sx = float(x - origin.x);
            if (sx < 0 || sx >= spreadW)
                continue;
            // Near the spine the pages bend away from the camera and look shorter; the outer
            // edges lift slightly.
            const float d = std::fabs(sx - cx) / cx;
            const float squeeze = 1.0f - 0.10f * std::exp(-d * 6.0f) + 0.03f * d * d;
            const float sy = cy + (float(y - origin.y) - cy) / squeeze;
            if (sy < 0 || sy >= spreadH)
                continue;
            mx[x] = sx;
            my[x] = sy;
        }
    }
    // Shade the paper toward the spine before remapping.
    for (int x = 0; x < spreadW; ++x) {
        const float d = std::fabs(x - cx) / cx;
        const double k = 1.0 - 0.45 * std::exp(-d * 14.0);
        spread.col(x) *= k;
    }
    cv::remap(spread, canvas, mapX, mapY, cv::INTER_LINEAR, cv::BORDER_TRANSPARENT);
}

cv::Mat face(int width, int height) {
    cv::Mat m(height, width, CV_8UC3, cv::Scalar(120, 110, 100));
    const double f = height / 480.0;
    const cv::Point c(width / 2, int(height * 0.45));
    cv::ellipse(m, cv::Point(c.x, height), cv::Size(int(200 * f), int(120 * f)), 0, 180, 360,
                cv::Scalar(90, 60, 40), cv::FILLED, cv::LINE_AA);
    cv::ellipse(m, c, cv::Size(int(110 * f), int(145 * f)), 0, 0, 360, cv::Scalar(150, 180, 220),
                cv::FILLED, cv::LINE_AA);
    cv::ellipse(m, cv::Point(c.x, c.y - int(95 * f)), cv::Size(int(120 * f), int(70 * f)), 0, 180,
                360, cv::Scalar(30, 35, 45), cv::FILLED, cv::LINE_AA);
    for (int s = -1; s <= 1; s += 2) {
        const cv::Point eye(c.x + s * int(42 * f), c.y - int(20 * f));
        cv::ellipse(m, eye, cv::Size(int(20 * f), int(10 * f)), 0, 0, 360,
                    cv::Scalar(245, 245, 245), cv::FILLED, cv::LINE_AA);
        cv::circle(m, eye, int(8 * f), cv::Scalar(60, 40, 30), cv::FILLED, cv::LINE_AA);
        cv::line(m, eye + cv::Point(-int(22 * f), -int(24 * f)),
                 eye + cv::Point(int(22 * f), -int(28 * f)), cv::Scalar(40, 40, 50),
                 std::max(1, int(5 * f)), cv::LINE_AA);
    }
    cv::line(m, cv::Point(c.x, c.y - int(5 * f)), cv::Point(c.x - int(8 * f), c.y + int(40 * f)),
             cv::Scalar(110, 140, 190), std::max(1, int(4 * f)), cv::LINE_AA);
    cv::ellipse(m, cv::Point(c.x, c.y + int(75 * f)), cv::Size(int(40 * f), int(15 * f)), 0, 0, 180,
                cv::Scalar(70, 70, 170), std::max(1, int(5 * f)), cv::LINE_AA);
    return m;
}

}  // namespace

bool VirtualScene::kindFromName(const std::string& name, Kind& kind) {
    if (name == "document")
        kind = Kind::Document;
    else if (name == "card")
        kind = Kind::Card;
    else if (name == "book")
        kind = Kind::Book;
    else if (name == "qrsheet" || name == "qr")
        kind = Kind::QrSheet;
    else if (name == "desk" || name == "empty")
        kind = Kind::Desk;
    else
        return false;
    return true;
}

std::vector<cv::Mat> VirtualScene::renderLoop(Kind kind, int width, int height, int count,
                                              const std::atomic<bool>* cancel) {
    std::vector<cv::Mat> loop;
    std::mt19937 rng(20261206u);
    // The base picture is rendered once with a margin; the loop frames are crops at slightly
    // different offsets (a hand-held sway) with their own noise.
    const int margin = std::max(4, width / 120);
    const int cw = width + 2 * margin, ch = height + 2 * margin;
    cv::Mat canvas;
    if (kind == Kind::Face) {
        canvas = face(cw, ch);
    } else {
        canvas = deskCanvas(cw, ch, rng);
        const float W = float(cw), H = float(ch);
        switch (kind) {
            case Kind::Document:
            case Kind::QrSheet: {
                const int pageW = std::min(1600, int(W * 0.42));
                cv::Mat page =
                    kind == Kind::Document ? documentPage(pageW, rng) : qrSheet(pageW, rng);
                placeOnDesk(canvas, page,
                            {{W * 0.29f, H * 0.08f},
                             {W * 0.71f, H * 0.10f},
                             {W * 0.74f, H * 0.93f},
                             {W * 0.26f, H * 0.91f}});
                break;
            }
            case Kind::Card: {
                cv::Mat card = identityCard(std::min(1712, int(W * 0.45)), rng);
                placeOnDesk(canvas, card,
                            {{W * 0.28f, H * 0.30f},
                             {W * 0.72f, H * 0.28f},
                             {W * 0.73f, H * 0.71f},
                             {W * 0.27f, H * 0.72f}});
                break;
            }
            case Kind::Book:
                drawBook(canvas, rng);
                break;
            default:
                break;
        }
    }
    if (cancel && *cancel)
        return loop;

    // Light from the upper left falling off toward the far corner.
    cv::Mat lightSmall(16, 16, CV_8UC3);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const double d = std::hypot(x / 15.0, y / 15.0) / std::sqrt(2.0);
            const uchar v = cv::saturate_cast<uchar>(255.0 * (1.0 - 0.25 * d * d));
            lightSmall.at<cv::Vec3b>(y, x) = cv::Vec3b(v, v, v);
        }
    cv::Mat light;
    cv::resize(lightSmall, light, canvas.size(), 0, 0, cv::INTER_LINEAR);
    cv::multiply(canvas, light, canvas, 1.0 / 255.0);
    light.release();

    cv::Mat noise(height + 16, width + 16, CV_8UC3);
    cv::randu(noise, 0, 7);
    for (int i = 0; i < count; ++i) {
        if (cancel && *cancel)
            return {};
        const double a = 2.0 * M_PI * i / std::max(1, count);
        const int ox = margin + int(std::lround(margin * 0.5 * std::cos(a)));
        const int oy = margin + int(std::lround(margin * 0.5 * std::sin(a)));
        cv::Mat frame = canvas(cv::Rect(ox, oy, width, height)).clone();
        const cv::Mat n = noise(cv::Rect((i * 5) % 16, (i * 3) % 16, width, height));
        frame += n;
        frame -= cv::Scalar(3, 3, 3);
        loop.push_back(frame);
    }
    return loop;
}

cv::Mat VirtualScene::fitPhoto(const std::string& path, int width, int height) {
    cv::Mat photo;
    try {
        photo = cv::imread(path, cv::IMREAD_COLOR);
    } catch (const cv::Exception&) {
        return {};
    }
    if (photo.empty())
        return {};
    if (photo.cols == width && photo.rows == height)
        return photo;
    const double s = std::min(double(width) / photo.cols, double(height) / photo.rows);
    const int w = std::max(1, int(photo.cols * s)), h = std::max(1, int(photo.rows * s));
    cv::Mat out(height, width, CV_8UC3, cv::Scalar(42, 36, 31));
    cv::Mat scaled;
    cv::resize(photo, scaled, cv::Size(w, h), 0, 0, cv::INTER_AREA);
    scaled.copyTo(out(cv::Rect((width - w) / 2, (height - h) / 2, w, h)));
    return out;
}

}  // namespace camctl
