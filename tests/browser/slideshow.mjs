// SPDX-License-Identifier: MIT
// Opens generated slideshow pages in Chromium, served over HTTP from 127.0.0.1, and checks what
// their script does: the image advances after the delay, the comment line follows the image,
// the buttons stop, step back, step forward and restart the show, SlideStop ends the show after
// its rounds, and preloading requests the images ahead of the show.
//
// Usage: node slideshow.mjs SHOW...
// where each SHOW is
//   --site FOLDER       the folder of the generated site; its last part names it in the report
//   --page NAME         the slideshow page in it
//   --folder NAME       the subfolder of the images (leave out when there is none)
//   --delay MS          the delay between images the page was made with
//   --check KIND        show: the delay and every button (3 images or more, buttons on)
//                       rounds: the show stops after --rounds N rounds and restarts for as many
//                       cycle: the show runs and cycles through the images
//   --rounds N          SlideStop of the page
//   --preload WHEN      all: every image is requested before the show reaches the second
//                       none: each image is requested only when the show reaches it
//   --comments          the page shows comments: the comment line must follow the image
//   --image NAME        the images in show order, each optionally followed by
//   --comment TEXT      the text its comment line must show (" " when it has none)
import path from 'node:path';

import { fileOf, openBrowser, run, serveFolder, siteUrl, sleep, watchPage } from './harness.mjs';

function parseShows(args) {
    const shows = [];
    for (let i = 0; i < args.length;) {
        const option = args[i++];
        const value = () => {
            if (i >= args.length) {
                throw new Error(`${option} needs a value`);
            }
            return args[i++];
        };
        if (option === '--site') {
            shows.push({ site: value(), page: '', folder: '', delay: 0, check: '', rounds: 0,
                preload: '', comments: false, images: [] });
            continue;
        }
        const show = shows.at(-1);
        if (!show) {
            throw new Error(`${option} before --site`);
        }
        switch (option) {
        case '--page': show.page = value(); break;
        case '--folder': show.folder = value(); break;
        case '--delay': show.delay = Number(value()); break;
        case '--check': show.check = value(); break;
        case '--rounds': show.rounds = Number(value()); break;
        case '--preload': show.preload = value(); break;
        case '--comments': show.comments = true; break;
        case '--image': show.images.push({ name: value(), comment: ' ' }); break;
        case '--comment': show.images.at(-1).comment = value(); break;
        default: throw new Error(`unknown option ${option}`);
        }
    }
    for (const show of shows) {
        if (!show.page || !(show.delay > 0) || show.images.length === 0 ||
            !['show', 'rounds', 'cycle'].includes(show.check)) {
            throw new Error(`incomplete show for ${show.site}`);
        }
    }
    return shows;
}

// Records every image the page shows: each change of the slideshow image's src, with the time,
// the script's frame and the comment line as they are once the script's step has run.
function recordFrames() {
    window.__shown = [];
    new MutationObserver((records) => {
        for (const record of records) {
            if (record.target.id === 'slideshow') {
                const comment = document.getElementById('comment');
                window.__shown.push({
                    url: record.target.src,
                    time: performance.timeOrigin + performance.now(),
                    frame: window.frame,
                    comment: comment ? comment.textContent : null,
                });
            }
        }
    }).observe(document, { subtree: true, attributes: true, attributeFilter: ['src'] });
}

// One show on its own page and server.
class ShowPage {
    constructor(report, show, server, page) {
        this.report = report;
        this.show = show;
        this.server = server;
        this.page = page;
        this.watcher = watchPage(page);
        this.name = path.basename(show.site);
    }

    file(index) {
        const name = this.show.images[index].name;
        return this.show.folder ? `${this.show.folder}/${name}` : name;
    }

    // Which image a URL names: its index in the show, or -1.
    indexOf(url) {
        const file = fileOf(url);
        return this.show.images.findIndex((_, index) => this.file(index) === file);
    }

    // The frames shown so far, with the index of the image each showed.
    async shown() {
        const frames = await this.page.evaluate(() => window.__shown);
        return frames.map((frame) => ({ ...frame, image: this.indexOf(frame.url) }));
    }

    // The script's state: frames shown so far, its frame, whether a step is pending.
    state() {
        return this.page.evaluate(() => ({
            count: window.__shown.length,
            frame: window.frame,
            running: window.timeout_id !== null,
        }));
    }

    // Waits until at least count frames were shown; false when it took too long.
    async waitForFrames(count) {
        try {
            await this.page.waitForFunction((n) => window.__shown.length >= n, count,
                { timeout: 10 * this.show.delay + 3000, polling: 20 });
            return true;
        } catch {
            return false;
        }
    }

    // Waits until the show stopped by itself after showing at least one frame.
    async waitForStop() {
        try {
            await this.page.waitForFunction(
                () => window.__shown.length > 0 && window.timeout_id === null, null,
                { timeout: 30 * this.show.delay + 3000, polling: 20 });
            return true;
        } catch {
            return false;
        }
    }

    click(label) {
        return this.page.click(`input[type=button][value="${label}"]`);
    }

    // When the server was first asked for image index; Infinity when never.
    requestedAt(index) {
        const entry = this.server.log.find((e) => e.file === this.file(index));
        return entry ? entry.time : Infinity;
    }

    sequence(frames, expected, text) {
        const images = frames.map((frame) => frame.image);
        this.report.check(JSON.stringify(images) === JSON.stringify(expected),
            `${this.name}: ${text}`,
            `shown ${JSON.stringify(images)}, expected ${JSON.stringify(expected)}`);
    }

    // Each interval between consecutive frames is the delay: shorter by a tenth or by 50 ms at
    // most, whichever is more (a frame whose timer fired late on a busy machine makes the next
    // interval look short by as much), longer only by what a busy machine adds.
    intervals(frames, text) {
        const delay = this.show.delay;
        const gaps = frames.slice(1).map((frame, k) => Math.round(frame.time - frames[k].time));
        const fits = (gap) => gap >= delay - Math.max(0.1 * delay, 50) && gap < delay + 2000;
        this.report.check(gaps.length > 0 && gaps.every(fits), `${this.name}: ${text}`,
            `intervals ${JSON.stringify(gaps)} ms, delay ${delay} ms`);
    }

    async stopsAfterStop() {
        await this.click('停止');
        const before = await this.state();
        await sleep(4 * this.show.delay);
        const after = await this.state();
        const still = after.count === before.count && after.frame === before.frame;
        this.report.check(!before.running && still,
            `${this.name}: "停止" stops the show and the image stays`,
            `at once ${JSON.stringify(before)}, later ${JSON.stringify(after)}`);
        return after;
    }

    async steps(label, step, times, text) {
        const start = await this.state();
        const expected = [];
        const n = this.show.images.length;
        for (let k = 1; k <= times; ++k) {
            await this.click(label);
            expected.push((((start.frame + step * k) % n) + n) % n);
        }
        const frames = (await this.shown()).slice(start.count);
        this.sequence(frames, expected, text);
        const state = await this.state();
        this.report.check(!state.running, `${this.name}: "${label}" leaves the show stopped`);
    }

    // Timing, comments, preloading and every button; the show has 3 images or more.
    async checkShow() {
        const n = this.show.images.length;
        const started = await this.waitForFrames(n + 1);
        if (!this.report.check(started, `${this.name}: the show starts on load and advances`)) {
            return;
        }
        const firstRound = (await this.shown()).slice(0, n + 1);
        this.sequence(firstRound, [...Array(n).keys(), 0],
            'images shown in order, back to the first after the last');
        this.intervals(firstRound, 'each image follows the previous one after the delay');

        const stopped = await this.stopsAfterStop();
        await this.steps('前へ', -1, n, `"前へ" steps back ${n} times, past the first image`);
        await this.steps('次へ', +1, n, `"次へ" steps forward ${n} times, past the last image`);
        const stepped = await this.state();
        await sleep(3 * this.show.delay);
        this.report.check((await this.state()).count === stepped.count,
            `${this.name}: stepping by hand does not restart the show`);
        this.report.check(stepped.count === stopped.count + 2 * n,
            `${this.name}: each step shows one image`);

        // A second "自動" while the show runs must not start a second chain of steps.
        await this.click('自動');
        await this.click('自動');
        this.report.check(await this.waitForFrames(stepped.count + 4),
            `${this.name}: "自動" restarts the show`);
        await this.click('停止');
        const restarted = (await this.shown()).slice(stepped.count, stepped.count + 4);
        this.sequence(restarted, [1, 2, 3, 4].map((k) => (stepped.frame + k) % n),
            'the restarted show goes on from the image shown');
        this.intervals(restarted, 'the restarted show keeps the delay, also after "自動" twice');
    }

    // SlideStop: 1 + rounds x n frames, the show stops on the first image, and a restart shows
    // rounds x n frames again.
    async checkRounds() {
        const n = this.show.images.length;
        const rounds = this.show.rounds;
        const cycle = (from, count) => [...Array(count).keys()].map((k) => (from + k) % n);
        this.report.check(await this.waitForStop(), `${this.name}: the show stops by itself`);
        await sleep(4 * this.show.delay);
        const first = await this.shown();
        this.sequence(first, cycle(0, 1 + rounds * n),
            `${rounds} round(s) shown, then the first image again`);
        this.intervals(first, 'each image follows the previous one after the delay');
        const stays = await this.page.$eval('#slideshow', (img) => img.src);
        this.report.check(this.indexOf(stays) === 0,
            `${this.name}: the first image stays after the show stopped`, stays);

        await this.click('自動');
        this.report.check(await this.waitForStop(),
            `${this.name}: the restarted show stops by itself`);
        await sleep(4 * this.show.delay);
        const again = (await this.shown()).slice(first.length);
        this.sequence(again, cycle(1, rounds * n), `"自動" runs ${rounds} round(s) again`);
    }

    async checkCycle() {
        const n = this.show.images.length;
        const count = Math.max(4, 2 * n);
        this.report.check(await this.waitForFrames(count),
            `${this.name}: the show starts on load and advances`);
        const frames = (await this.shown()).slice(0, count);
        this.sequence(frames, [...Array(count).keys()].map((k) => k % n),
            'the show cycles through its images');
        this.intervals(frames, 'each image follows the previous one after the delay');
    }

    // With preloading of all images each is requested before the show reaches the second one;
    // without preloading each image from the third on is requested only after the show has
    // shown the one before it (a delay later than a preloaded image would be).
    async checkPreload() {
        const frames = await this.shown();
        const shownAt = (index) => frames.find((frame) => frame.image === index)?.time;
        const images = [...this.show.images.keys()];
        const times = images.map((index) => Math.round(this.requestedAt(index) - shownAt(1)));
        const detail = `requests relative to the second image shown: ${JSON.stringify(times)} ms`;
        if (this.show.preload === 'all') {
            this.report.check(times.every((t) => t < 0),
                `${this.name}: preloading requests every image before the show reaches the second`,
                detail);
        } else if (this.show.preload === 'none') {
            const late = (index) => this.requestedAt(index) > shownAt(index - 1);
            this.report.check(images.length >= 3 && images.slice(2).every(late),
                `${this.name}: without preloading each image is requested when it is shown`,
                detail);
        }
    }

    async checkComments() {
        const frames = await this.shown();
        const wrong = frames.filter((frame) => frame.image < 0 ||
            frame.comment !== this.show.images[frame.image].comment);
        this.report.check(frames.length > 0 && wrong.length === 0,
            `${this.name}: the comment line follows the image in all ${frames.length} frames`,
            wrong.map((frame) => `${frame.url}: ${JSON.stringify(frame.comment)}`).join('\n    '));
    }

    async checkEveryImageServed() {
        const served = (index) =>
            this.server.log.some((e) => e.file === this.file(index) && e.status === 200);
        const missing = [...this.show.images.keys()].filter((index) => !served(index));
        this.report.check(missing.length === 0, `${this.name}: every image was requested and found`,
            `not requested or not found: ${missing.map((index) => this.file(index)).join(', ')}`);
        const loaded = await this.page.$eval('#slideshow',
            (img) => img.complete && img.naturalWidth > 0);
        this.report.check(loaded, `${this.name}: the image shown has loaded`);
    }
}

run(50, async (report) => {
    const shows = parseShows(process.argv.slice(2));
    const context = await openBrowser();
    try {
        await context.addInitScript(recordFrames);
        for (const show of shows) {
            const server = await serveFolder(show.site);
            const page = await context.newPage();
            try {
                const check = new ShowPage(report, show, server, page);
                await page.goto(siteUrl(server.origin, show.page));
                if (show.check === 'show') {
                    await check.checkShow();
                } else if (show.check === 'rounds') {
                    await check.checkRounds();
                } else {
                    await check.checkCycle();
                }
                await check.checkPreload();
                if (show.comments) {
                    await check.checkComments();
                }
                await check.checkEveryImageServed();
                report.clean(check.watcher, check.name);
            } finally {
                await page.close();
                await server.close();
            }
        }
    } finally {
        await context.close();
    }
});
