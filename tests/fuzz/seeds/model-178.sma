
3
0, 
2, "quoted, with comma"
5, span
2
1, 1, 0, 
3, 1
0, "quoted, with comma"
2
2E8, span
2E8, x
1
8.5E-6, 
2
1, 2, 2
1, "quoted, with comma"
2, 3, 1, 1, span
4
1, 4, -5, 10, 0.5
0.5, x
2, 1, 5, 13, 0.5, 0, 
2, 1, 0, 9, 0, 0, x
1, 4, 1, -1, 1, 0.5, "quoted, with comma"
2
1, 0, 3, span
3, 1, 2, "quoted, with comma"
