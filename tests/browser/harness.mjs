// SPDX-License-Identifier: MIT
// What the browser checks share: a local HTTP server for a generated site, Debian's Chromium
// driven by playwright-core, a record of everything that went wrong on a page, and the report.
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';

import { chromium } from 'playwright-core';

const CHROMIUM = '/usr/bin/chromium';

const CONTENT_TYPES = {
    '.html': 'text/html; charset=Shift_JIS',
    '.htm': 'text/html; charset=Shift_JIS',
    '.shtml': 'text/html; charset=Shift_JIS',
    '.png': 'image/png',
    '.jpg': 'image/jpeg',
    '.jpeg': 'image/jpeg',
    '.gif': 'image/gif',
};

// Serves the files under root on 127.0.0.1 (a free port). The URL path is decoded as UTF-8,
// as the browser encodes it; what is not a file under root is 404, what cannot be decoded 400.
// Every request is logged: { file (decoded path without the leading "/"), status, time }.
export async function serveFolder(root) {
    const base = fs.realpathSync(root);
    const log = [];
    const server = http.createServer((request, response) => {
        const entry = { file: null, status: 404, time: Date.now() };
        log.push(entry);
        const answer = (status, type, body) => {
            entry.status = status;
            response.writeHead(status, { 'Content-Type': type });
            response.end(body);
        };
        let file;
        try {
            file = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
        } catch {
            answer(400, 'text/plain', 'bad URL');
            return;
        }
        entry.file = file.replace(/^\//, '');
        const full = path.join(base, file);
        const isFile = fs.statSync(full, { throwIfNoEntry: false })?.isFile();
        if (!full.startsWith(base + path.sep) || !isFile) {
            answer(404, 'text/plain', 'not found');
            return;
        }
        const type = CONTENT_TYPES[path.extname(full).toLowerCase()] ?? 'application/octet-stream';
        answer(200, type, fs.readFileSync(full));
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {
        origin: `http://127.0.0.1:${server.address().port}`,
        log,
        close: () => new Promise((resolve) => {
            server.close(resolve);
            server.closeAllConnections();
        }),
    };
}

// The URL of a file of the site, each path segment escaped.
export function siteUrl(origin, file) {
    return `${origin}/${file.split('/').map(encodeURIComponent).join('/')}`;
}

// The file of the site a URL names (its decoded path without the leading "/"), or the path as
// it stands when it does not decode.
export function fileOf(url) {
    const pathname = new URL(url).pathname;
    try {
        return decodeURIComponent(pathname).replace(/^\//, '');
    } catch {
        return pathname.replace(/^\//, '');
    }
}

// Starts Chromium headless with a profile folder of its own, removed when the process ends
// (playwright-core ends the browser then, if it still runs). Returns the browser context.
export async function openBrowser() {
    if (!fs.existsSync(CHROMIUM)) {
        throw new Error(`${CHROMIUM} is missing: run scripts/install-deps.sh`);
    }
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'vistrel-chromium-'));
    process.on('exit', () => fs.rmSync(profile, { recursive: true, force: true }));
    return chromium.launchPersistentContext(profile, {
        executablePath: CHROMIUM,
        headless: true,
        args: [
            '--headless',
            '--no-sandbox',
            '--disable-gpu',
            '--disable-quic',
            '--no-first-run',
            '--disable-background-networking',
            '--disable-component-update',
            '--disable-sync',
        ],
    });
}

// Collects what goes wrong on page: script errors, console errors, failed requests and
// answers with an error status. problems() lists them as text.
export function watchPage(page) {
    const found = [];
    page.on('pageerror', (error) => found.push(`script error: ${error.message}`));
    page.on('console', (message) => {
        // The browser asks each site for /favicon.ico on its own; no page names one.
        const favicon = message.location().url?.endsWith('/favicon.ico');
        if (message.type() === 'error' && !favicon) {
            found.push(`console error: ${message.text()}`);
        }
    });
    page.on('requestfailed', (request) =>
        found.push(`request failed: ${request.url()} (${request.failure()?.errorText})`));
    page.on('response', (response) => {
        if (response.status() >= 400) {
            found.push(`HTTP ${response.status()}: ${response.url()}`);
        }
    });
    return { problems: () => [...found] };
}

// The report of one run: each check prints "ok" or "FAIL" with its text; finish() prints the
// count and ends the process, with exit code 1 when a check failed or nothing was checked.
export class Report {
    constructor() {
        this.passed = 0;
        this.failed = 0;
    }

    check(condition, text, detail = '') {
        if (condition) {
            this.passed += 1;
            console.log(`ok - ${text}`);
        } else {
            this.failed += 1;
            console.log(`FAIL - ${text}${detail ? `\n    ${detail}` : ''}`);
        }
        return condition;
    }

    // Checks that a page had no problems.
    clean(watcher, where) {
        const problems = watcher.problems();
        return this.check(problems.length === 0, `${where}: no script, console or load errors`,
            problems.join('\n    '));
    }

    finish() {
        console.log(`${this.passed} passed, ${this.failed} failed`);
        process.exit(this.failed === 0 && this.passed > 0 ? 0 : 1);
    }
}

// Runs main with a report, ending the process after at most seconds even if the browser
// hangs; an exception counts as a failed check.
export async function run(seconds, main) {
    const report = new Report();
    const watchdog = setTimeout(() => {
        report.check(false, `finished within ${seconds} s`);
        report.finish();
    }, seconds * 1000);
    try {
        await main(report);
    } catch (error) {
        report.check(false, 'ran to the end', error.stack ?? String(error));
    }
    clearTimeout(watchdog);
    report.finish();
}

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
