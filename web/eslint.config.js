// ESLint for the menu runtime's modules (web/src) and this folder's tools.
import js from '@eslint/js';
import globals from 'globals';

export default [
    { ignores: ['node_modules/'] },
    js.configs.recommended,
    {
        files: ['src/**/*.js'],
        languageOptions: {
            ecmaVersion: 2017,
            sourceType: 'module',
            globals: { ...globals.browser }
        },
        rules: {
            'no-unused-vars': ['error', { args: 'none', caughtErrors: 'none' }],
            'no-shadow': 'error',
            eqeqeq: ['error', 'always'],
            'no-implicit-globals': 'error',
            'no-restricted-globals': ['error', 'event', 'name', 'length', 'status']
        }
    },
    {
        files: ['*.js'],
        languageOptions: { sourceType: 'module', globals: { ...globals.node } }
    }
];
