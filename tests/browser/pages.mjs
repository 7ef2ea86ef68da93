// SPDX-License-Identifier: MIT
// Opens generated index sites in Chromium, served over HTTP from 127.0.0.1, and follows them
// from the start page: every page reached (and every frame of it) must show each of its images
// and backgrounds (loaded and decoded: natural width above 0), and every link target and frame
// source it names must exist on the server. In the end every page file of the site must
// have been reached and every image file shown.
//
// Usage: node pages.mjs --site FOLDER --page NAME [--site FOLDER --page NAME]...
import fs from 'node:fs';
import path from 'node:path';

import { fileOf, openBrowser, run, serveFolder, siteUrl, watchPage } from './harness.mjs';

const PAGE = /\.(html|htm|shtml)$/i;
const IMAGE = /\.(png|jpe?g|gif)$/i;

function parseSites(args) {
    const sites = [];
    for (let i = 0; i < args.length; i += 2) {
        if (i + 1 >= args.length) {
            throw new Error(`${args[i]} needs a value`);
        }
        if (args[i] === '--site') {
            sites.push({ site: args[i + 1], page: '' });
        } else if (args[i] === '--page' && sites.length > 0) {
            sites.at(-1).page = args[i + 1];
        } else {
            throw new Error(`unexpected ${args[i]}`);
        }
    }
    if (sites.length === 0 || sites.some((site) => !site.page)) {
        throw new Error('each --site needs a --page');
    }
    return sites;
}

// Every file under root, as paths relative to it with "/" between the parts.
function filesUnder(root, prefix = '') {
    return fs.readdirSync(path.join(root, prefix), { withFileTypes: true }).flatMap((entry) => {
        const relative = prefix ? `${prefix}/${entry.name}` : entry.name;
        return entry.isDirectory() ? filesUnder(root, relative) : [relative];
    });
}

// What one document shows and names, read inside it: its images (and the pictures its
// BACKGROUND attributes name, loaded the same way) and the targets of its links and frames.
async function readDocument() {
    const picture = (img) => ({ url: img.src, complete: img.complete, width: img.naturalWidth });
    const backgrounds = await Promise.all([...document.querySelectorAll('[background]')]
        .map(async (element) => {
            const img = new Image();
            img.src = new URL(element.getAttribute('background'), document.baseURI).href;
            // A picture that does not decode keeps its natural width 0, which fails the check.
            await img.decode().catch(() => {});
            return picture(img);
        }));
    return {
        images: [...[...document.images].map(picture), ...backgrounds],
        targets: [
            ...[...document.querySelectorAll('a[href]')].map((a) => a.href),
            ...[...document.querySelectorAll('frame[src], iframe[src]')].map((frame) => frame.src),
        ],
    };
}

// Follows one site from its start page.
class SiteWalk {
    constructor(report, context, server, name) {
        this.report = report;
        this.context = context;
        this.server = server;
        this.name = name;
        this.answers = new Map(); // URL -> { status, type }
        this.visited = new Set(); // page files
        this.shown = new Set(); // image files shown decoded
        this.queue = [];
    }

    async answer(url) {
        if (!this.answers.has(url)) {
            const response = await this.context.request.get(url);
            const type = response.headers()['content-type'] ?? '';
            this.answers.set(url, { status: response.status(), type });
        }
        return this.answers.get(url);
    }

    // Checks one document (a page or a frame of it) and queues the pages it links.
    async checkDocument(frame, where) {
        const found = await frame.evaluate(readDocument);
        const broken = found.images.filter((image) => !image.complete || image.width <= 0);
        this.report.check(broken.length === 0,
            `${where}: all ${found.images.length} images and backgrounds loaded`,
            broken.map((image) => fileOf(image.url)).join(', '));
        for (const image of found.images.filter((image) => image.width > 0)) {
            this.shown.add(fileOf(image.url));
        }
        const missing = [];
        for (const target of found.targets) {
            const url = target.split('#')[0];
            if (!url.startsWith(`${this.server.origin}/`)) {
                missing.push(`${target} (outside the site)`);
                continue;
            }
            const { status, type } = await this.answer(url);
            if (status !== 200) {
                missing.push(`${fileOf(url)} (HTTP ${status})`);
            } else if (type.startsWith('text/html')) {
                this.queue.push(fileOf(url));
            }
        }
        this.report.check(missing.length === 0,
            `${where}: all ${found.targets.length} link targets and frame sources exist`,
            missing.join('\n    '));
    }

    async walk(page, startPage) {
        this.queue.push(startPage);
        while (this.queue.length > 0) {
            const file = this.queue.shift();
            if (this.visited.has(file)) {
                continue;
            }
            this.visited.add(file);
            await page.goto(siteUrl(this.server.origin, file));
            for (const frame of page.frames()) {
                const inFrame = frame === page.mainFrame() ? '' : ` frame ${fileOf(frame.url())}`;
                await this.checkDocument(frame, `${this.name}: ${file}${inFrame}`);
            }
        }
    }
}

async function checkSite(report, context, { site, page: startPage }) {
    const name = path.basename(site);
    const server = await serveFolder(site);
    const page = await context.newPage();
    const watcher = watchPage(page);
    try {
        const walk = new SiteWalk(report, context, server, name);
        await walk.walk(page, startPage);
        const files = filesUnder(site);
        const unreached = files.filter((file) => PAGE.test(file) && !walk.visited.has(file));
        report.check(unreached.length === 0,
            `${name}: all ${walk.visited.size} pages reached from ${startPage}`,
            `never reached: ${unreached.join(', ')}`);
        const images = files.filter((file) => IMAGE.test(file));
        const unseen = images.filter((file) => !walk.shown.has(file));
        report.check(images.length > 0 && unseen.length === 0,
            `${name}: all ${images.length} image files shown by the pages`,
            `never shown: ${unseen.join(', ')}`);
        report.clean(watcher, name);
    } finally {
        await page.close();
        await server.close();
    }
}

run(50, async (report) => {
    const sites = parseSites(process.argv.slice(2));
    const context = await openBrowser();
    try {
        for (const site of sites) {
            await checkSite(report, context, site);
        }
    } finally {
        await context.close();
    }
});
